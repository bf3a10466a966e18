#pragma once

#include "engine/fast_position.h"
#include "engine/search_context.h"

namespace engine {

struct NodeStatus {
    GameStatus status;
    int moveCount;
};

// Generates the side's moves into `moves` and decides the game status the
// way the rules do.
NodeStatus ExamineNode(const fast::Position& p, int side, fast::Move* moves, SearchContext& ctx);

// The weighted static prices of a node's moves.
void WeighMoves(const fast::Position& p, fast::Move* moves, int count, int remaining,
                const SearchContext& ctx);

bool LeavesKingAttacked(const fast::Position& child, int side);

// A node below the root: only its price and stop flag reach the parent.
int32_t SearchNode(const fast::Position& p, int side, int remaining, SearchContext& ctx,
                   bool& stopped);

} // namespace engine
