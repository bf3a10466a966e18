#include "notation/position.h"

namespace notation {

namespace {

// The back rank from file a to file h.
constexpr FigureType kBackRank[8] = {kRook, kKnight, kBishop, kQueen,
                                     kKing, kBishop, kKnight, kRook};

} // namespace

std::string SquareText(int square) {
    if (square < 0 || square > 63) return "-";
    return {char('a' + FileOf(square)), char('1' + RankOf(square))};
}

Position StartPosition() {
    Position p;
    for (int x = 0; x < 8; ++x) {
        p.Put(SquareOf(x, 0), MakePiece(kBackRank[x], kWhite));
        p.Put(SquareOf(x, 1), MakePiece(kPawn, kWhite));
        p.Put(SquareOf(x, 6), MakePiece(kPawn, kBlack));
        p.Put(SquareOf(x, 7), MakePiece(kBackRank[x], kBlack));
    }
    p.castling = 0xF;
    return p;
}

int KingSquare(const Position& position, int color) {
    const Piece king = MakePiece(kKing, color);
    for (int s = 0; s < 64; ++s)
        if (position.At(s) == king) return s;
    return kNoSquare;
}

} // namespace notation
