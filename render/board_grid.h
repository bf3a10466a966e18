#pragma once

#include "render/geometry/point3d.h"

// The 9 x 9 corner points of the board's squares: corner (i, j) is at
// (i - 4, j - 4, 0). Corners outside the grid read as the origin.
class CBoardGrid {
public:
    CBoardGrid();

    const point3d& operator()(int i, int j) const;

private:
    point3d corners_[9][9];
    point3d outside_{};
};
