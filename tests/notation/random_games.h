#pragma once

#include <cstdint>
#include <vector>

#include "notation/move.h"
#include "notation/position.h"

namespace notation::testing {

struct RandomGame {
    Position start;
    std::vector<Move> moves;
    std::vector<Position> positions; // before each move, then the final one
};

// A game of random legal moves from `start`, the same for the same seed. It
// prefers castling, en passant and promotion whenever one is possible, so
// that short games meet them too.
RandomGame PlayRandomGame(uint32_t seed, int maxPlies, const Position& start = StartPosition());

// The first of those games (by seed) that lasts `plies` moves of both sides.
RandomGame PlayGameOfLength(int plies);

} // namespace notation::testing
