#pragma once

#include "notation/move.h"
#include "notation/position.h"

namespace notation {

// The position after `move`, which need not be legal: a king that moves two
// files takes whatever stands in the corner beyond it to the square it
// crossed, a pawn that steps diagonally onto an empty square takes the pawn
// behind it, and a pawn reaching the last rank becomes `move.promotion` (a
// queen when that is not a figure a pawn may become). The castling rights
// follow the standard rules: a king move loses both, and a move from or onto
// a corner loses that corner's.
Position Play(const Position& position, Move move);

// The figure a pawn becomes when `requested` is asked for: a queen unless
// it is a knight, bishop, rook or queen.
int PromotedType(int requested);

// Whether the move is a king's two-file step, and towards which side.
bool IsCastling(const Position& position, Move move);
bool IsKingsideCastling(Move move);

// Whether the move takes a piece, en passant included.
bool IsCapture(const Position& position, Move move);

} // namespace notation
