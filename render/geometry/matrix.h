#pragma once

#include "render/geometry/point3d.h"

// 4 x 4 float matrices, 16 elements. The names say which index convention a
// helper reads: "Columns" is OpenGL's (row r, column c at 4c + r), "Rows" and
// MultiplyMatrices read 4i + k as row i, column k. Sums and products are formed
// in double. Outputs may alias inputs.

void SetIdentity(float m[16]);

// Upper-left 3 x 3 := diag(old m[0], m[5], m[10]) * Rx(a) * Ry(b) * Rz(c), in
// column-major order; angles in radians; the other seven elements are kept.
void SetRotation(float m[16], double a, double b, double c);

void TransformRows(point3d& out, const point3d& p, const float m[16]);

// The OpenGL transform of a point by a column-major matrix.
void TransformColumns(point3d& out, const point3d& p, const float m[16]);

// out[4i + j] := sum over k of A[4i + k] * B[4k + j].
void MultiplyMatrices(float out[16], const float A[16], const float B[16]);
