#pragma once

#include "app/controller/scene.h"
#include "render/geometry/matrix.h"

// A left click on square (x, y) as the view would pass it on: off the
// centre, which lies on the diagonal the picking splits a square along.
inline void ClickSquare(CScene& scene, int x, int y) {
    point3d world;
    TransformColumns(world, point3d{x - 3.3f, y - 3.6f, 0}, scene.settings.matrix);
    scene.ClickBoard(world);
}

inline void MoveFigure(CScene& scene, int fromX, int fromY, int toX, int toY) {
    ClickSquare(scene, fromX, fromY);
    ClickSquare(scene, toX, toY);
}
