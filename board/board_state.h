#pragma once

#include <cstdint>
#include <vector>

#include "board/rules.h"
#include "engine/engine_api.h"

// One figure of a snapshot.
struct sState {
    int32_t type;
    int32_t color;
    int32_t x;
    int32_t y;
    bool operator==(const sState&) const = default;
};

// One position of the history. Captured figures are kept without their squares.
struct sBoardState {
    std::vector<sState> pieces;
    sRuleState rights{};
    std::vector<sState> capturedWhite;
    std::vector<sState> capturedBlack;
    sLastMove lastMove;
};

template <class T> class COwnerList;
using CFigureList = COwnerList<CFigure>;

// A figure list as a snapshot keeps it, and back (appended to `list`);
// without their squares the figures get (0, 0).
void Snapshot(const CFigureList& list, std::vector<sState>& out, bool withSquares);
void Refill(CFigureList& list, const std::vector<sState>& states, bool withSquares);
