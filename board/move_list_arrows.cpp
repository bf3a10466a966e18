#include "board/move_list_arrows.h"

#include "render/geometry/intersect.h"

#include <algorithm>

int HitArrows(const sMoveListArrows& arrows, CMoveTable& table, const point3d& p) {
    if (!arrows.arrowsShown) return 0;
    if (PointInTriangle(arrows.up[0], arrows.up[1], arrows.up[2], p)) {
        table.firstShown = std::max(table.firstShown - 2, 0);
        return 1;
    }
    if (PointInTriangle(arrows.down[0], arrows.down[1], arrows.down[2], p)) {
        const int count = table.entries.Count();
        table.firstShown += 2;
        if (table.firstShown >= count) table.firstShown = std::max(count - 1, 0);
        return 1;
    }
    return 0;
}
