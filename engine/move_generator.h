#pragma once

#include "engine/engine_move.h"

#include <vector>

namespace engine {

using MoveList = std::vector<sEngineMove>;

// Appends the moves of one figure in step-table order. King steps and
// castling avoid attacked squares; other moves are not tested for leaving
// the king attacked.
void GenerateMoves(const sFigureList& list, CFigure* piece, MoveList& moves,
                   const sRuleState& rules);

// The moves of every figure of `color`, figure by figure in list order.
void GenerateAllMoves(const sFigureList& list, int32_t color, MoveList& moves,
                      const sRuleState& rules);

// Rule-state words for a figure about to leave its square: king and corner
// rook flags, and the mover's en passant right withdrawn.
void UpdateRights(sRuleState& rules, const CFigure& piece);
void UpdateRights(sRuleState& rules, int32_t type, int32_t color, int32_t x);

} // namespace engine
