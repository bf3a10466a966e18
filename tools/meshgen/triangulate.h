#pragma once

#include <array>
#include <vector>

struct Point2 {
    double x, y;
};

struct Triangulation {
    std::vector<Point2> vertices;              // the loops' points, in order
    std::vector<std::array<int, 3>> triangles; // counter-clockwise
};

// Fills simple polygons: counter-clockwise loops are outlines, clockwise ones
// holes (each inside one outline). Holes are bridged to their outline, then
// ears are clipped, the best-shaped first. Throws if a loop is not simple.
Triangulation Triangulate(const std::vector<std::vector<Point2>>& loops);

double SignedArea(const std::vector<Point2>& loop);
