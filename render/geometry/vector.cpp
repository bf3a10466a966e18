#include "render/geometry/vector.h"

#include <cmath>

double Dot(const point3d& a, const point3d& b) {
    return double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z;
}

void Cross(point3d& out, const point3d& a, const point3d& b) {
    const double x = double(a.y) * b.z - double(a.z) * b.y;
    const double y = double(a.z) * b.x - double(a.x) * b.z;
    const double z = double(a.x) * b.y - double(a.y) * b.x;
    out = {float(x), float(y), float(z)};
}

float Length(const point3d& v) {
    const float sum = v.x * v.x + v.y * v.y + v.z * v.z;
    return std::sqrt(sum);
}

float LengthOrOne(const point3d& v) {
    const float length = Length(v);
    return length > 1e-8f ? length : 1.0f;
}

void Normalize(point3d& v) {
    double d = LengthOrOne(v);
    if (d < 1e-7) d = 1;
    v = {float(v.x / d), float(v.y / d), float(v.z / d)};
}

void Scale(point3d& v, float s) {
    Scaled(v, v, s);
}

void Scaled(point3d& out, const point3d& v, float s) {
    out = {float(double(v.x) * s), float(double(v.y) * s), float(double(v.z) * s)};
}

void Add(point3d& out, const point3d& a, const point3d& b) {
    out = {float(double(a.x) + b.x), float(double(a.y) + b.y), float(double(a.z) + b.z)};
}

void Sub(point3d& out, const point3d& a, const point3d& b) {
    out = {float(double(a.x) - b.x), float(double(a.y) - b.y), float(double(a.z) - b.z)};
}
