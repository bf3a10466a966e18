#include "render/board_grid.h"

CBoardGrid::CBoardGrid() {
    for (int i = 0; i <= 8; ++i)
        for (int j = 0; j <= 8; ++j) corners_[i][j] = {float(i - 4), float(j - 4), 0};
}

const point3d& CBoardGrid::operator()(int i, int j) const {
    return i >= 0 && i <= 8 && j >= 0 && j <= 8 ? corners_[i][j] : outside_;
}
