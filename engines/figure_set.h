#pragma once

#include <vector>

#include "board/board_state.h"
#include "engine/engine_api.h"
#include "notation/position.h"

// Figure records of the engine's interface that this side owns: a position
// handed to the engine library without touching the board's own records.
namespace engines {

class FigureSet {
public:
    explicit FigureSet(const std::vector<sState>& figures);
    explicit FigureSet(const notation::Position& position);
    FigureSet(const FigureSet&) = delete;
    FigureSet& operator=(const FigureSet&) = delete;

    sFigureList* List() { return &list_; }

private:
    std::vector<CFigure> records_;
    std::vector<CFigure*> pointers_;
    sFigureList list_{};
};

// The figures of a list as they stand, in list order.
std::vector<sState> StatesOf(const sFigureList& list);

// The figure a square shows: the first record on it in list order.
CFigure* FigureOn(const sFigureList& list, int x, int y);

// The position on a list under the standard rules, `side` to move.
notation::Position PositionOf(const sFigureList& list, const sRuleState& rights, int side);

} // namespace engines
