#pragma once

#include "engine/engine_move.h"
#include "engine/search_context.h"

namespace engine {

// The search exactly as the procedure reads: fresh heap copies of the
// position for every child, full maps everywhere. It serves positions the
// fast search does not model, and tests compare the fast search against it.
sEngineMove ReferenceSearchMoves(const sFigureList& list, int32_t side, int32_t remaining,
                                 const sRuleState& rules, SearchContext& ctx);

} // namespace engine
