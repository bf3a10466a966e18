#include "engine/figure_list.h"

#include "engine/step_tables.h"

namespace engine {

CFigure* FigureAt(const sFigureList& list, int32_t x, int32_t y, const CFigure* lifted) {
    if (!OnBoard(x, y)) return nullptr;
    for (int i = 0, n = FigureCount(list); i < n; ++i) {
        CFigure* f = list.figures[i];
        if (f && f != lifted && f->x == x && f->y == y) return f;
    }
    return nullptr;
}

CFigure* FindKing(const sFigureList& list, int32_t color) {
    for (int i = 0, n = FigureCount(list); i < n; ++i) {
        CFigure* f = list.figures[i];
        if (f && f->type == kKing && f->color == color) return f;
    }
    return nullptr;
}

int IndexOf(const sFigureList& list, const CFigure* figure) {
    for (int i = 0, n = FigureCount(list); i < n; ++i)
        if (list.figures[i] == figure) return i;
    return -1;
}

} // namespace engine
