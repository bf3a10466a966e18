#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/rules.h"

// A position under the standard rules of chess: an 8x8 mailbox indexed
// y * 8 + x (x the file, y the rank, as the board counts them), the side to
// move, castling rights, the en passant square and the two move counters.
namespace notation {

using Piece = uint8_t; // 0 empty, else figure type | colour << 3
inline constexpr Piece kEmpty = 0;
inline constexpr int kNoSquare = -1;

constexpr Piece MakePiece(int type, int color) {
    return Piece(type | color << 3);
}
constexpr int TypeOf(Piece p) {
    return p & 7;
}
constexpr int ColorOf(Piece p) {
    return p >> 3;
}

constexpr int SquareOf(int x, int y) {
    return y * 8 + x;
}
constexpr int FileOf(int square) {
    return square & 7;
}
constexpr int RankOf(int square) {
    return square >> 3;
}
constexpr int HomeRank(int color) {
    return color == kWhite ? 0 : 7;
}

// "e4"; "-" for kNoSquare.
std::string SquareText(int square);

// One bit per castling: White kingside, White queenside, Black kingside,
// Black queenside.
constexpr uint8_t CastlingBit(int color, bool kingside) {
    return uint8_t(1u << (color * 2 + (kingside ? 0 : 1)));
}

struct Position {
    std::array<Piece, 64> squares{};
    int side = kWhite;
    uint8_t castling = 0;
    // Where a pawn of the side to move lands when it captures en passant;
    // kept only while an enemy pawn stands beside the pawn that just passed.
    int enPassant = kNoSquare;
    int halfmoveClock = 0;
    int fullmoveNumber = 1;

    Piece At(int square) const { return squares[size_t(square)]; }
    Piece At(int x, int y) const { return IsOnBoard(x, y) ? At(SquareOf(x, y)) : kEmpty; }
    void Put(int square, Piece piece) { squares[size_t(square)] = piece; }
    bool operator==(const Position&) const = default;
};

Position StartPosition();

// The square of `color`'s first king from a1 on, or kNoSquare.
int KingSquare(const Position& position, int color);

} // namespace notation
