#pragma once

#include <cstdint>
#include <string>

// The vocabulary of the board: figure types, colours, squares and the words
// of the rights block.

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

// Indices into sRuleState, as the board reads them.
namespace rule {
constexpr int KingMoved(int32_t c) {
    return c;
}
constexpr int EnPassantAllowed(int32_t c) {
    return 2 + c;
}
constexpr int EnPassantX(int32_t c) {
    return 4 + 2 * c;
}
constexpr int EnPassantY(int32_t c) {
    return 5 + 2 * c;
}
constexpr int RookHMoved(int32_t c) {
    return 8 + 2 * c;
}
constexpr int RookAMoved(int32_t c) {
    return 9 + 2 * c;
}
inline constexpr int kPromotion = 12;
inline constexpr int kPromotedType = 13;
inline constexpr int kStoredWords = 12; // words kept in a game file
inline constexpr int kWords = 14;
} // namespace rule
