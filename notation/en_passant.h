#pragma once

#include "notation/position.h"

namespace notation {

enum class EnPassantSquare {
    kFalse,  // no double pawn step of the other side passed over it
    kUnused, // one did, but no pawn of the side to move stands beside that pawn
    kUsable,
};

// What (x, y) is as an en passant square for the side to move.
EnPassantSquare ClassifyEnPassant(const Position& position, int x, int y);

} // namespace notation
