#include "board/rules.h"

std::string SquareName(int32_t x, int32_t y) {
    return {static_cast<char>('A' + x), static_cast<char>('1' + y)};
}
