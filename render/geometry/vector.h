#pragma once

#include "render/geometry/point3d.h"

// Vector arithmetic on point3d. Products and sums are formed in double and
// stored as floats; `out` may be one of the inputs.

double Dot(const point3d& a, const point3d& b);
void Cross(point3d& out, const point3d& a, const point3d& b);

// Sum of squares and root in single precision, as the picking tolerances expect.
float Length(const point3d& v);

// Length(v), or 1 for vectors of length 1e-8 or less, so it can always divide.
float LengthOrOne(const point3d& v);

// Unit length in place; vectors shorter than 1e-7 are left as they are.
void Normalize(point3d& v);

void Scale(point3d& v, float s);
void Scaled(point3d& out, const point3d& v, float s);
void Add(point3d& out, const point3d& a, const point3d& b);
void Sub(point3d& out, const point3d& a, const point3d& b);
