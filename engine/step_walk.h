#pragma once

#include "engine/figure_list.h"
#include "engine/step_tables.h"

#include <span>

namespace engine {

// Walks `steps` for `piece`, calling visit(step, x, y, occupant) for every
// landing square on the board. A square that is off the board or occupied
// continues at the step's `next` entry when it has one.
template <class Visit>
void WalkSteps(const CFigure& piece, std::span<const sStep> steps, const sFigureList& list,
               const CFigure* lifted, Visit&& visit) {
    const int32_t dir = Direction(piece.color);
    std::size_t j = 0;
    while (j < steps.size()) {
        const sStep& step = steps[j];
        const int32_t x = piece.x + step.dx;
        const int32_t y = piece.y + step.dy * dir;
        bool blocked = true;
        if (OnBoard(x, y)) {
            CFigure* occupant = FigureAt(list, x, y, lifted);
            visit(step, x, y, occupant);
            blocked = occupant != nullptr;
        }
        j = blocked && step.next != 0 ? static_cast<std::size_t>(step.next) : j + 1;
    }
}

// The forward steps in use: the double step only from the start ranks.
inline std::span<const sStep> PawnForwardInUse(const CFigure& pawn) {
    const bool onStart = pawn.color == 0 ? pawn.y <= 1 : pawn.y >= 6;
    return PawnForwardSteps().first(onStart ? 2 : 1);
}

} // namespace engine
