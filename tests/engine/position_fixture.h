#pragma once

#include "engine/engine_move.h"
#include "position.h"

#include <random>
#include <vector>

namespace engine_test {

// Plays `move` as the board would: the mover's rights, the capture, the
// castling rook, promotion to a queen and the opponent's en passant right.
Position Play(const Position& position, const engine::sEngineMove& move);

// The moves of `color` that do not leave its own king attacked.
std::vector<engine::sEngineMove> SafeMoves(const Position& position, int color);

bool KingAttacked(const Position& position, int color);

// Random play from the initial position; stops early when a side has no safe move.
Position RandomGame(std::mt19937& random, int plies, int& sideToMove);

} // namespace engine_test
