#include "board/board.h"
#include "render/geometry/intersect.h"
#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"

bool CBoard::PickSquare(const point3d& p0, const point3d& p1, sSquare& square) const {
    point3d dir, hit;
    Sub(dir, p1, p0);
    const float boardPlane[4] = {0, 0, 1, 0};
    if (!IntersectRayPlane(dir, boardPlane, p1, hit)) return false;

    // The square corners as the board matrix places them: grid[j][i] is (i - 4, j - 4).
    static constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const float* matrix = services_.BoardMatrix() ? services_.BoardMatrix() : kIdentity;
    point3d grid[9][9];
    for (int j = 0; j <= 8; ++j)
        for (int i = 0; i <= 8; ++i)
            TransformColumns(grid[j][i], {float(i - 4), float(j - 4), 0}, matrix);

    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 8; ++x) {
            const point3d& k0 = grid[y][x];
            const point3d& k1 = grid[y][x + 1];
            const point3d& k2 = grid[y + 1][x + 1];
            const point3d& k3 = grid[y + 1][x];
            if (PointInTriangle(k0, k1, k2, hit) || PointInTriangle(k2, k3, k0, hit)) {
                square = {x, y};
                return true;
            }
        }
    return false;
}
