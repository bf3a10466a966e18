#include "profile.h"

#include <cmath>
#include <numbers>

void Profile::Append(double r, double z) {
    const ProfilePoint& last = points_.back();
    if (std::abs(last.r - r) < 1e-9 && std::abs(last.z - z) < 1e-9) return;
    points_.push_back({r, z});
}

Profile& Profile::LineTo(double r, double z, int steps) {
    const ProfilePoint from = points_.back();
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        Append(from.r + (r - from.r) * t, from.z + (z - from.z) * t);
    }
    return *this;
}

Profile& Profile::CurveTo(ProfilePoint c1, ProfilePoint c2, ProfilePoint end, int steps) {
    const ProfilePoint p0 = points_.back();
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps, s = 1 - t;
        const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
        Append(a * p0.r + b * c1.r + c * c2.r + d * end.r,
               a * p0.z + b * c1.z + c * c2.z + d * end.z);
    }
    return *this;
}

Profile& Profile::Arc(double cr, double cz, double radius, double fromDeg, double toDeg,
                      int steps) {
    for (int i = 0; i <= steps; ++i) {
        const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180;
        Append(cr + radius * std::cos(a), cz + radius * std::sin(a));
    }
    return *this;
}

Profile& Profile::Crease() {
    points_.push_back(points_.back());
    return *this;
}
