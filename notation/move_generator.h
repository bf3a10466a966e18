#pragma once

#include "notation/move.h"
#include "notation/position.h"

namespace notation {

// The moves the standard rules of chess allow the side to move.
MoveList LegalMoves(const Position& position);

// Whether the side to move has a legal move at all.
bool HasLegalMove(const Position& position);

} // namespace notation
