#pragma once

#include <string>

namespace platform {

// Puts text (Windows-1252 bytes) on the clipboard. When the clipboard cannot
// be reached or does not take the text, says so in a message box and
// returns false.
bool CopyToClipboard(const std::string& text);

// The clipboard's text as Windows-1252 bytes; empty when it holds none.
std::string ClipboardText();

} // namespace platform
