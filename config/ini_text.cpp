#include "config/ini_text.h"

#include <string>

bool WriteIniText(FILE* file, std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '\n')
            out += kIniLineEnd;
        else
            out += c;
    }
    return std::fwrite(out.data(), 1, out.size(), file) == out.size();
}
