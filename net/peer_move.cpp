#include "net/peer_move.h"

#include "board/board.h"
#include "board/rules.h"

bool IsPlausiblePeerMove(const CBoard& board, int peerColor, const CPkg& move) {
    if (!IsOnBoard(move.fromColumn, move.fromRow) || !IsOnBoard(move.toColumn, move.toRow))
        return false;
    const CFigure* mover = board.FigureAt(move.fromColumn, move.fromRow);
    if (!mover || mover->color != peerColor) return false;
    const int32_t promoted = move.rights[rule::kPromotedType];
    return !move.rights[rule::kPromotion] || (promoted >= kKnight && promoted <= kQueen);
}
