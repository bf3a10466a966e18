#pragma once

#include "engine/engine_move.h"
#include "engine/search_context.h"

namespace engine {

// SearchMoves: the same prices, order, choice, stop behaviour and report
// as the reference procedure, on compact copies without heap work per node.
// Lists the compact form cannot hold go to the reference search.
sEngineMove SearchMoves(const sFigureList& list, int32_t side, int32_t remaining,
                        const sRuleState& rules, SearchContext& ctx);

} // namespace engine
