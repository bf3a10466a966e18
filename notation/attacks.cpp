#include "notation/attacks.h"

#include "notation/step_tables.h"

namespace notation {

namespace {

bool StepHits(const Position& p, int x, int y, const Step (&steps)[8], Piece attacker) {
    for (const Step s : steps)
        if (p.At(x + s.dx, y + s.dy) == attacker) return true;
    return false;
}

// The first piece along each ray, when it is one of the two sliders given.
bool RayHits(const Position& p, int x, int y, const Step (&rays)[4], Piece slider, Piece queen) {
    for (const Step s : rays) {
        int cx = x + s.dx, cy = y + s.dy;
        while (IsOnBoard(cx, cy) && p.At(cx, cy) == kEmpty) cx += s.dx, cy += s.dy;
        const Piece hit = p.At(cx, cy);
        if (hit == slider || hit == queen) return true;
    }
    return false;
}

} // namespace

bool IsAttacked(const Position& p, int square, int by) {
    const int x = FileOf(square), y = RankOf(square);
    const int pawnY = y - PawnDirection(by);
    const Piece pawn = MakePiece(kPawn, by);
    if (p.At(x - 1, pawnY) == pawn || p.At(x + 1, pawnY) == pawn) return true;
    const Piece queen = MakePiece(kQueen, by);
    return StepHits(p, x, y, kKnightSteps, MakePiece(kKnight, by)) ||
           StepHits(p, x, y, kKingSteps, MakePiece(kKing, by)) ||
           RayHits(p, x, y, kDiagonals, MakePiece(kBishop, by), queen) ||
           RayHits(p, x, y, kLines, MakePiece(kRook, by), queen);
}

bool InCheck(const Position& p, int color) {
    const int king = KingSquare(p, color);
    return king != kNoSquare && IsAttacked(p, king, Opponent(color));
}

} // namespace notation
