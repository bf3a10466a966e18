#pragma once

#include <string>
#include <string_view>

namespace net {

// Converts UTF-16 text to the single-byte Windows-1252 text the program uses
// everywhere; a character that page lacks becomes "?".
std::string Utf16ToAnsi(std::u16string_view text);

} // namespace net
