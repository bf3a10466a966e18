#include "render/geometry/intersect.h"

#include "render/geometry/vector.h"

#include <cmath>

void PlaneFromPointNormal(float plane[4], const point3d& p, const point3d& n) {
    plane[0] = n.x;
    plane[1] = n.y;
    plane[2] = n.z;
    plane[3] = float(-Dot(p, n));
}

int IntersectRayPlane(const point3d& dir, const float plane[4], const point3d& origin,
                      point3d& out) {
    const double along =
        double(plane[0]) * dir.x + double(plane[1]) * dir.y + double(plane[2]) * dir.z;
    const double offset = double(plane[0]) * origin.x + double(plane[1]) * origin.y +
                          double(plane[2]) * origin.z + plane[3];
    const float t = float(-offset / along);
    if (along == 0 || !std::isfinite(t)) {
        out = origin;
        return 0;
    }
    out = {float(origin.x + double(t) * dir.x), float(origin.y + double(t) * dir.y),
           float(origin.z + double(t) * dir.z)};
    return 1;
}

namespace {

// Twice the area of the triangle o, o + u, o + v.
double DoubleArea(const point3d& u, const point3d& v) {
    point3d n;
    Cross(n, u, v);
    return LengthOrOne(n);
}

} // namespace

int PointInTriangle(const point3d& a, const point3d& b, const point3d& c, const point3d& p) {
    point3d ab, ac, q, r, s;
    Sub(ab, b, a);
    Sub(ac, c, a);
    const double whole = DoubleArea(ab, ac);
    Sub(q, a, p);
    Sub(r, b, p);
    Sub(s, c, p);
    double parts = DoubleArea(q, r);
    if (whole < parts) return 0;
    parts += DoubleArea(r, s);
    if (whole < parts) return 0;
    parts += DoubleArea(q, s);
    return whole + whole * 0.0002 < parts ? 0 : 1;
}
