#pragma once

#include <cstdio>
#include <string_view>

// The line end of every document file, on every platform.
inline constexpr std::string_view kIniLineEnd = "\r\n";

// Writes `text` to a document file, each LF becoming a line end. A CR before
// it stays the text's own: a value that ends with a CR must read back with
// it. False when the write failed.
bool WriteIniText(FILE* file, std::string_view text);
