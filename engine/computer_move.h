#pragma once

#include "engine/engine_api.h"

#include <cstdint>
#include <functional>

namespace engine {

// The body of GetComputerMove: searches on a thread of its own while the
// calling thread keeps its messages dispatched, then writes the move.
int ComputeMove(sFigureList* figures, int opponentColor, int level, sRuleState* rules,
                CFigure** captured, CFigure** moved, int* targetX, int* targetY, int* stop);

// Replaces the clock second the random choices read (tests make searches
// reproducible with it); an empty function restores the real clock.
void SetSearchClock(std::function<int64_t()> clock);

inline constexpr const char* kDebugReportName = "!debug.$$$";

} // namespace engine
