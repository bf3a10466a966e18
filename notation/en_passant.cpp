#include "notation/en_passant.h"

namespace notation {

EnPassantSquare ClassifyEnPassant(const Position& p, int x, int y) {
    const int dir = PawnDirection(p.side), enemy = Opponent(p.side);
    const bool passed = IsOnBoard(x, y) && y == HomeRank(enemy) + 2 * PawnDirection(enemy) &&
                        p.At(x, y) == kEmpty && p.At(x, y + dir) == kEmpty &&
                        p.At(x, y - dir) == MakePiece(kPawn, enemy);
    if (!passed) return EnPassantSquare::kFalse;
    const Piece ownPawn = MakePiece(kPawn, p.side);
    const bool ready = p.At(x - 1, y - dir) == ownPawn || p.At(x + 1, y - dir) == ownPawn;
    return ready ? EnPassantSquare::kUsable : EnPassantSquare::kUnused;
}

} // namespace notation
