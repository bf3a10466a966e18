#pragma once

#include "engine/engine_api.h"

namespace engine {

struct StatusVerdict {
    GameStatus status = kStatusNormal;
    bool kingMissing = false;
};

// Normal, check, mate or stalemate for `color`. Not in check, any generated
// move keeps the game normal, even one that would expose the king. In check,
// a move counts when the attacker map, patched for the move, leaves the king
// unattacked. A side without a king is never in check.
StatusVerdict EvaluateGameStatus(int32_t color, const sFigureList& list, const sRuleState& rules);

// The same, reporting a missing king with the "pKorol == NULL" message.
GameStatus GameStatusOf(int32_t color, const sFigureList& list, const sRuleState& rules);

void ReportMissingKing();

} // namespace engine
