#include "notation/play.h"

#include "notation/en_passant.h"

#include <cstdlib>

namespace notation {

namespace {

bool IsEnPassant(const Position& p, Move m) {
    return TypeOf(p.At(m.from)) == kPawn && FileOf(m.from) != FileOf(m.to) && p.At(m.to) == kEmpty;
}

void DropCornerRight(Position& p, int square) {
    for (int color : {kWhite, kBlack})
        for (bool kingside : {true, false})
            if (square == SquareOf(kingside ? 7 : 0, HomeRank(color)))
                p.castling &= uint8_t(~CastlingBit(color, kingside));
}

// An en passant square is kept only when a pawn of the side to move can use it.
int EnPassantAfter(const Position& next, Move m, Piece mover) {
    if (TypeOf(mover) != kPawn || std::abs(m.to - m.from) != 16) return kNoSquare;
    const int passed = (m.from + m.to) / 2;
    const bool usable =
        ClassifyEnPassant(next, FileOf(passed), RankOf(passed)) == EnPassantSquare::kUsable;
    return usable ? passed : kNoSquare;
}

} // namespace

int PromotedType(int requested) {
    return requested >= kKnight && requested <= kQueen ? requested : kQueen;
}

bool IsCastling(const Position& p, Move m) {
    return TypeOf(p.At(m.from)) == kKing && RankOf(m.from) == RankOf(m.to) &&
           std::abs(FileOf(m.to) - FileOf(m.from)) == 2;
}

bool IsKingsideCastling(Move m) {
    return m.to > m.from;
}

bool IsCapture(const Position& p, Move m) {
    return p.At(m.to) != kEmpty || IsEnPassant(p, m);
}

Position Play(const Position& p, Move m) {
    Position next = p;
    const Piece mover = p.At(m.from);
    const int color = ColorOf(mover);
    const bool pawn = TypeOf(mover) == kPawn;
    const bool capture = IsCapture(p, m);
    if (IsEnPassant(p, m)) next.Put(SquareOf(FileOf(m.to), RankOf(m.from)), kEmpty);
    if (IsCastling(p, m)) {
        const int corner = SquareOf(IsKingsideCastling(m) ? 7 : 0, RankOf(m.from));
        next.Put((m.from + m.to) / 2, p.At(corner));
        next.Put(corner, kEmpty);
    }
    const bool promotes = pawn && RankOf(m.to) == HomeRank(Opponent(color));
    next.Put(m.from, kEmpty);
    next.Put(m.to, promotes ? MakePiece(PromotedType(m.promotion), color) : mover);

    if (TypeOf(mover) == kKing)
        next.castling &= uint8_t(~(CastlingBit(color, true) | CastlingBit(color, false)));
    DropCornerRight(next, m.from);
    DropCornerRight(next, m.to);
    next.halfmoveClock = capture || pawn ? 0 : p.halfmoveClock + 1;
    if (p.side == kBlack) ++next.fullmoveNumber;
    next.side = Opponent(p.side);
    next.enPassant = EnPassantAfter(next, m, mover);
    return next;
}

} // namespace notation
