#include "net/qt_text.h"

#include "net/wide_text.h"

#include <array>

namespace net {
namespace {

// The page differs from Latin-1 only in 0x80..0x9F. Their characters are
// found by asking the encoder which Unicode characters it maps there.
std::array<char16_t, 32> HighControlCharacters() {
    // Bytes the page leaves unassigned stand for the control characters
    // of the same number, as Windows decodes them.
    std::array<char16_t, 32> characters{};
    for (size_t i = 0; i < characters.size(); ++i) characters[i] = static_cast<char16_t>(0x80 + i);
    for (char16_t unit = 0x100; unit < 0x2200; ++unit) {
        const auto byte = static_cast<uint8_t>(Utf16ToAnsi(std::u16string_view(&unit, 1))[0]);
        if (byte >= 0x80 && byte < 0xA0) characters[byte - 0x80] = unit;
    }
    return characters;
}

} // namespace

QString AnsiToQString(std::string_view text) {
    static const std::array<char16_t, 32> high = HighControlCharacters();
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        out += QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t{byte});
    }
    return out;
}

std::string QStringToAnsi(const QString& text) {
    return Utf16ToAnsi(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

} // namespace net
