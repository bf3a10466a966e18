#pragma once

#include <optional>

#include "engine/engine_api.h"
#include "notation/move.h"
#include "notation/position.h"

// The engine entry's outputs as standard moves, both ways.
namespace engines {

// Writes a legal move of `position` (the position on `list`) through the
// outputs of GetComputerMove, as the engine library does: the moving and the
// captured record, the target square, the castling rook already moved, the
// promoted type already set, and the rights words the library updates
// (king and corner rook moved, the mover's en passant right spent).
void WriteAnswer(const notation::Position& position, notation::Move move, sFigureList& list,
                 sRuleState& rights, CFigure** captured, CFigure** moved, int* targetX,
                 int* targetY);

// The move an answer of GetComputerMove stands for: the moved record still
// stands on its origin; `typeBefore` is its type before the call, so a pawn
// the call made a queen is a promotion. None when nothing was moved.
std::optional<notation::Move> ReadAnswer(const CFigure* moved, int typeBefore, int targetX,
                                         int targetY);

} // namespace engines
