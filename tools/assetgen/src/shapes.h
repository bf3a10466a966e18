#pragma once

#include "vec.h"

#include <functional>
#include <vector>

namespace assetgen {

struct Vec2 {
    float x = 0, y = 0;
};

// A plane figure given by its signed distance: negative inside, in the caller's units.
using Shape = std::function<float(Vec2)>;

float circleDistance(Vec2 p, Vec2 centre, float radius);
float ellipseDistance(Vec2 p, Vec2 centre, Vec2 radii); // close to exact near the rim
float boxDistance(Vec2 p, Vec2 centre, Vec2 half, float rounding = 0);
float segmentDistance(Vec2 p, Vec2 a, Vec2 b); // unsigned; subtract a radius for a stroke
// Arc of a circle from angle a0 to a1 (radians, counter-clockwise on screen with y down
// meaning clockwise visually), unsigned like a segment.
float arcDistance(Vec2 p, Vec2 centre, float radius, float a0, float a1);
float polygonDistance(Vec2 p, const std::vector<Vec2>& points);

// A polygon mirrored about x = 0 from its right half, listed top to bottom.
std::vector<Vec2> mirroredOutline(const std::vector<Vec2>& rightHalf);

inline float unite(float a, float b) {
    return std::min(a, b);
}
inline float subtract(float a, float b) {
    return std::max(a, -b);
}
inline float intersect(float a, float b) {
    return std::max(a, b);
}
// Union with a rounded join of width k.
float smoothUnite(float a, float b, float k);

} // namespace assetgen
