#include "engines/figure_set.h"

#include "notation/board_bridge.h"

namespace engines {

FigureSet::FigureSet(const std::vector<sState>& figures) {
    records_.reserve(figures.size());
    for (const sState& s : figures) records_.push_back({s.type, s.color, s.x, s.y, 0});
    for (CFigure& f : records_) pointers_.push_back(&f);
    list_.count = int32_t(pointers_.size());
    list_.figures = pointers_.data();
}

FigureSet::FigureSet(const notation::Position& position)
    : FigureSet(notation::PiecesFromPosition(position)) {}

std::vector<sState> StatesOf(const sFigureList& list) {
    std::vector<sState> states;
    for (int i = 0; i < list.count; ++i)
        if (const CFigure* f = list.figures[i]) states.push_back({f->type, f->color, f->x, f->y});
    return states;
}

CFigure* FigureOn(const sFigureList& list, int x, int y) {
    for (int i = 0; i < list.count; ++i)
        if (CFigure* f = list.figures[i]; f && f->x == x && f->y == y) return f;
    return nullptr;
}

notation::Position PositionOf(const sFigureList& list, const sRuleState& rights, int side) {
    return notation::PositionFromBoard(StatesOf(list), rights, {side, 0, 1});
}

} // namespace engines
