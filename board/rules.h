#pragma once

#include "engine/rule_words.h"

#include <cstdint>
#include <string>

// The vocabulary of the board: figure types, colours and squares; the words
// of the rights block come from the header the engine shares.

enum FigureType : int32_t { kPawn = 1, kKnight = 2, kBishop = 3, kRook = 4, kQueen = 5, kKing = 6 };

inline constexpr int32_t kWhite = 0;
inline constexpr int32_t kBlack = 1;

constexpr int32_t Opponent(int32_t color) {
    return color == 0 ? 1 : 0;
}
constexpr int32_t PawnDirection(int32_t color) {
    return color == 0 ? 1 : -1;
}

struct sSquare {
    int32_t x;
    int32_t y;
    bool operator==(const sSquare&) const = default;
};

// From and to square of the last move; -1 everywhere when there is none.
struct sLastMove {
    int32_t fromX = -1;
    int32_t fromY = -1;
    int32_t toX = -1;
    int32_t toY = -1;
    bool operator==(const sLastMove&) const = default;
};

constexpr bool IsOnBoard(int32_t x, int32_t y) {
    return x >= 0 && x <= 7 && y >= 0 && y <= 7;
}

// "A1" ... "H8".
std::string SquareName(int32_t x, int32_t y);
