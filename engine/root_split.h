#pragma once

#include "engine/fast_position.h"
#include "engine/search_context.h"

#include <span>

namespace engine {

// A root move in its sorted place: its compact form and its price so far.
struct RootChild {
    fast::Move move;
    int32_t price;
};

// Searches the children of the root in their sorted order and adds their
// prices, pricing out the moves that expose the king. Returns the root's stop
// flag. With two threads the moves are shared between them; a stop then ends
// the search as if it had come in the earliest subtree that saw it: the moves
// before it complete, the ones after it keep their static prices.
bool SearchRootChildren(const fast::Position& root, std::span<RootChild> children, int side,
                        int remaining, SearchContext& ctx);

} // namespace engine
