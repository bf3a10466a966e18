// The packet reader, fed a byte stream in arbitrary pieces. The first byte
// says how many cut points follow (one byte each, the length of a piece);
// the rest is the stream. However the stream is cut, the packets read are
// the same as when ParsePkg walks it whole.
#include "fuzz/fuzz_support.h"
#include "net/packet.h"
#include "net/packet_stream.h"

#include <span>
#include <vector>

namespace {

bool SamePkg(const CPkg& a, const CPkg& b) {
    return a.ToBytes() == b.ToBytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t cutCount = std::min<size_t>(data[0], size - 1);
    const std::span<const uint8_t> cuts(data + 1, cutCount);
    const std::span<const uint8_t> stream(data + 1 + cutCount, size - 1 - cutCount);

    std::vector<CPkg> whole;
    PkgStatus wholeEnd = PkgStatus::NeedMore;
    for (size_t at = 0;;) {
        CPkg pkg;
        const PkgParse parse = ParsePkg(stream.subspan(at), pkg);
        wholeEnd = parse.status;
        if (parse.status != PkgStatus::Complete) break;
        if (parse.size == 0 || parse.size > stream.size() - at)
            fuzz::Fail("a complete packet took no bytes or more than there were");
        // A packet read back from its own bytes is the same packet.
        CPkg again;
        const std::vector<uint8_t> bytes = pkg.ToBytes();
        const PkgParse reparse = ParsePkg(bytes, again);
        if (reparse.status != PkgStatus::Complete || reparse.size != bytes.size() ||
            !SamePkg(pkg, again))
            fuzz::Fail("a packet does not survive its own bytes");
        whole.push_back(std::move(pkg));
        at += parse.size;
    }

    CPkgStream pieces;
    std::vector<CPkg> read;
    PkgStatus last = PkgStatus::NeedMore;
    auto drain = [&] {
        CPkg pkg;
        while ((last = pieces.Next(pkg)) == PkgStatus::Complete) read.push_back(pkg);
    };
    size_t at = 0;
    for (const uint8_t cut : cuts) {
        const size_t piece = std::min<size_t>(cut, stream.size() - at);
        pieces.Append(stream.data() + at, piece);
        at += piece;
        drain();
    }
    pieces.Append(stream.data() + at, stream.size() - at);
    drain();

    if (read.size() != whole.size() || last != wholeEnd)
        fuzz::Fail("the stream and the whole bytes disagree");
    for (size_t i = 0; i < read.size(); ++i)
        if (!SamePkg(read[i], whole[i])) fuzz::Fail("a packet differs when cut in pieces");
    return 0;
}
