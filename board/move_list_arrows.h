#pragma once

#include "board/move_table.h"
#include "render/geometry/point3d.h"

// The two scroll arrows of the move list, in world points, as last drawn.
struct sMoveListArrows {
    int arrowsShown = 0;
    point3d up[3];
    point3d down[3];
};

// A click on a shown arrow scrolls the list by one full move: returns 1
// then, else 0.
int HitArrows(const sMoveListArrows& arrows, CMoveTable& table, const point3d& p);
