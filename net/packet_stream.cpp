#include "net/packet_stream.h"

void CPkgStream::Append(const void* data, size_t size) {
    if (bad_ || size == 0) return;
    // Drop what was handed out before the buffer grows again.
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(start_));
    start_ = 0;
    const auto* first = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), first, first + size);
}

PkgStatus CPkgStream::Next(CPkg& pkg) {
    if (bad_) return PkgStatus::Bad;
    const PkgParse parse = ParsePkg(std::span(bytes_).subspan(start_), pkg);
    if (parse.status == PkgStatus::Complete) start_ += parse.size;
    if (parse.status == PkgStatus::Bad) {
        bad_ = true;
        bytes_.clear();
        start_ = 0;
    }
    return parse.status;
}
