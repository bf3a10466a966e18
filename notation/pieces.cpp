#include "notation/pieces.h"

#include <cctype>

namespace notation {

char PieceLetter(int type, int color) {
    const char upper = type >= 1 && type <= 6 ? kFenLetters[type] : '?';
    return color == 0 ? upper : char(std::tolower(static_cast<unsigned char>(upper)));
}

std::optional<int> TypeOfLetter(char letter) {
    const char upper = char(std::toupper(static_cast<unsigned char>(letter)));
    for (int type = 1; type <= 6; ++type)
        if (kFenLetters[type] == upper) return type;
    return std::nullopt;
}

} // namespace notation
