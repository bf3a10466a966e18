#include "config/ini_text.h"

#include <string>

bool WriteIniText(FILE* file, std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += kIniLineEnd;
        else
            out += text[i];
    }
    return std::fwrite(out.data(), 1, out.size(), file) == out.size();
}
