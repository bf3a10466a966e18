#pragma once

#include "render/geometry/point3d.h"

// A plane (a, b, c, d) holds the points with a*x + b*y + c*z + d = 0.
void PlaneFromPointNormal(float plane[4], const point3d& p, const point3d& n);

// out := origin + t * dir where the ray meets the plane; t is rounded to
// single precision. A ray parallel to the plane (or lying in it) meets it
// nowhere sensible: returns 0 and out := origin. Otherwise returns 1.
int IntersectRayPlane(const point3d& dir, const float plane[4], const point3d& origin,
                      point3d& out);

// 1 when p lies in the triangle a, b, c: the three partial areas may add up to
// at most 1.0002 times the whole. Areas of 1e-8 or less count as 1, so a point
// exactly on a corner is outside.
int PointInTriangle(const point3d& a, const point3d& b, const point3d& c, const point3d& p);
