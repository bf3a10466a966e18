#include "net/packet.h"

#include "net/wide_text.h"

namespace {

// Words 12 and 13 travel swapped.
constexpr int kRightsWireOrder[14] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 12};

// Length prefixes: one byte; 0xFF and 16 bits; 0xFF, 0xFFFF and 32 bits;
// then 0xFFFFFFFF and 64 bits. 0xFF 0xFFFE marks UTF-16 text instead.
constexpr uint64_t kByteEscape = 0xFF;
constexpr uint64_t kWideTag = 0xFFFE;
constexpr uint64_t kWordEscape = 0xFFFF;
constexpr uint64_t kDoubleWordEscape = 0xFFFFFFFF;

void AppendLittleEndian(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendTextLength(std::vector<uint8_t>& out, uint64_t length) {
    if (length < kByteEscape) return AppendLittleEndian(out, length, 1);
    AppendLittleEndian(out, kByteEscape, 1);
    if (length < kWideTag) return AppendLittleEndian(out, length, 2);
    AppendLittleEndian(out, kWordEscape, 2);
    if (length < kDoubleWordEscape) return AppendLittleEndian(out, length, 4);
    AppendLittleEndian(out, kDoubleWordEscape, 4);
    AppendLittleEndian(out, length, 8);
}

// Reads little-endian values; reading past the end gives 0 and marks the
// cursor short, so a cut packet is noticed once, at the end.
class Cursor {
public:
    explicit Cursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint64_t Take(int count) {
        if (!Has(static_cast<size_t>(count))) {
            short_ = true;
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < count; ++i) value |= uint64_t{bytes_[at_++]} << (8 * i);
        return value;
    }
    std::span<const uint8_t> TakeBytes(size_t count) {
        const auto taken = bytes_.subspan(at_, count);
        at_ += count;
        return taken;
    }
    bool Has(size_t count) const { return !short_ && bytes_.size() - at_ >= count; }
    bool Short() const { return short_; }
    size_t Offset() const { return at_; }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
    bool short_ = false;
};

uint64_t TakeTextLength(Cursor& in, bool& wide) {
    uint64_t length = in.Take(1);
    if (length < kByteEscape) return length;
    length = in.Take(2);
    wide = length == kWideTag;
    if (wide) {
        length = in.Take(1);
        if (length < kByteEscape) return length;
        length = in.Take(2);
    }
    if (length < kWordEscape) return length;
    length = in.Take(4);
    if (length < kDoubleWordEscape) return length;
    return in.Take(8);
}

std::string TakeText(Cursor& in, uint64_t length, bool wide) {
    if (!wide) {
        const auto bytes = in.TakeBytes(length);
        return {bytes.begin(), bytes.end()};
    }
    std::u16string units(length, u'\0');
    for (char16_t& unit : units) unit = static_cast<char16_t>(in.Take(2));
    return net::Utf16ToAnsi(units);
}

} // namespace

CPkg CPkg::Move(int fromColumn, int fromRow, int toColumn, int toRow, const sRuleState& rights) {
    CPkg pkg;
    pkg.kind = PKG_MOVE;
    pkg.fromColumn = static_cast<int8_t>(fromColumn);
    pkg.fromRow = static_cast<int8_t>(fromRow);
    pkg.toColumn = static_cast<int8_t>(toColumn);
    pkg.toRow = static_cast<int8_t>(toRow);
    pkg.rights = rights;
    return pkg;
}

CPkg CPkg::Text(PkgKind kind, std::string text) {
    CPkg pkg;
    pkg.kind = kind;
    pkg.text = std::move(text);
    return pkg;
}

void CPkg::Serialize(std::vector<uint8_t>& out) const {
    AppendTextLength(out, text.size());
    out.insert(out.end(), text.begin(), text.end());
    for (uint8_t byte : {kind, static_cast<uint8_t>(fromColumn), static_cast<uint8_t>(fromRow),
                         static_cast<uint8_t>(toColumn), static_cast<uint8_t>(toRow)})
        out.push_back(byte);
    for (int word : kRightsWireOrder)
        AppendLittleEndian(out, static_cast<uint32_t>(rights[word]), 4);
}

std::vector<uint8_t> CPkg::ToBytes() const {
    std::vector<uint8_t> out;
    out.reserve(text.size() + kPkgFixedBytes + 1);
    Serialize(out);
    return out;
}

PkgParse ParsePkg(std::span<const uint8_t> bytes, CPkg& pkg) {
    Cursor in(bytes);
    bool wide = false;
    const uint64_t length = TakeTextLength(in, wide);
    if (in.Short()) return {PkgStatus::NeedMore, 0};
    if (length > kMaxPkgTextBytes / (wide ? 2 : 1)) return {PkgStatus::Bad, 0};
    const size_t textBytes = static_cast<size_t>(length) * (wide ? 2 : 1);
    if (!in.Has(textBytes + kPkgFixedBytes)) return {PkgStatus::NeedMore, 0};

    CPkg read;
    read.text = TakeText(in, length, wide);
    read.kind = static_cast<uint8_t>(in.Take(1));
    for (int8_t* move : {&read.fromColumn, &read.fromRow, &read.toColumn, &read.toRow})
        *move = static_cast<int8_t>(in.Take(1));
    for (int word : kRightsWireOrder) read.rights[word] = static_cast<int32_t>(in.Take(4));
    pkg = std::move(read);
    return {PkgStatus::Complete, in.Offset()};
}
