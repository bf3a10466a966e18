#include "render/geometry/intersect.h"
#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

void ExpectNear(const point3d& got, const point3d& want, float tolerance = 1e-6f) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

TEST(Vector, NormalizeLeavesZeroAndScalesOthers) {
    point3d zero{};
    Normalize(zero);
    EXPECT_EQ(zero, (point3d{0, 0, 0}));
    point3d v{3, 0, 4};
    Normalize(v);
    ExpectNear(v, {0.6f, 0, 0.8f});
    point3d tiny{5e-8f, 0, 0};
    Normalize(tiny);
    EXPECT_EQ(tiny.x, 5e-8f);
}

TEST(Vector, LengthOrOneGuardsTinyVectors) {
    EXPECT_FLOAT_EQ(LengthOrOne({3, 4, 0}), 5);
    EXPECT_FLOAT_EQ(LengthOrOne({1e-9f, 0, 0}), 1);
    EXPECT_FLOAT_EQ(LengthOrOne({0, 0, 0}), 1);
}

TEST(Vector, CrossIsRightHandedAndMayOverwriteItsInput) {
    point3d a{1, 0, 0};
    Cross(a, a, {0, 1, 0});
    EXPECT_EQ(a, (point3d{0, 0, 1}));
    point3d b{0, 1, 0};
    Cross(b, {0, 0, 1}, b);
    EXPECT_EQ(b, (point3d{-1, 0, 0}));
    EXPECT_DOUBLE_EQ(Dot({1, 2, 3}, {4, 5, 6}), 32);
}

TEST(Vector, ArithmeticInPlaceAndOut) {
    point3d v{1, 2, 3}, out;
    Add(out, v, {1, 1, 1});
    EXPECT_EQ(out, (point3d{2, 3, 4}));
    Sub(out, out, v);
    EXPECT_EQ(out, (point3d{1, 1, 1}));
    Scaled(out, v, 2);
    EXPECT_EQ(out, (point3d{2, 4, 6}));
    Scale(v, -1);
    EXPECT_EQ(v, (point3d{-1, -2, -3}));
}

TEST(Matrix, QuarterTurnAboutXLiftsYOntoZ) {
    float m[16];
    SetIdentity(m);
    SetRotation(m, std::numbers::pi / 2, 0, 0);
    point3d out;
    TransformColumns(out, {0, 1, 0}, m);
    ExpectNear(out, {0, 0, 1});
}

TEST(Matrix, HalfTurnAboutZFlipsTheBoard) {
    float m[16];
    SetIdentity(m);
    SetRotation(m, 0, 0, std::numbers::pi);
    point3d out;
    TransformColumns(out, {1, 2, 3}, m);
    ExpectNear(out, {-1, -2, 3});
}

TEST(Matrix, RotationKeepsTheOldDiagonalAsScaleAndTheRest) {
    float m[16];
    SetIdentity(m);
    m[0] = 2;
    m[12] = 7;
    SetRotation(m, 0, 0, std::numbers::pi / 2);
    point3d out;
    TransformColumns(out, {1, 0, 0}, m);
    ExpectNear(out, {7, 1, 0});
    TransformColumns(out, {0, 1, 0}, m);
    ExpectNear(out, {5, 0, 0});
}

TEST(Matrix, RowsAndColumnsReadTransposedIndices) {
    float m[16];
    SetIdentity(m);
    m[3] = 5;  // row 0, column 3 in row order; row 3, column 0 for OpenGL
    m[12] = 9; // the OpenGL translation in x
    point3d rows, columns;
    TransformRows(rows, {1, 1, 1}, m);
    TransformColumns(columns, {1, 1, 1}, m);
    EXPECT_EQ(rows, (point3d{6, 1, 1}));
    EXPECT_EQ(columns, (point3d{10, 1, 1}));
}

TEST(Matrix, MultiplyIsRowByColumnAndMayOverwrite) {
    float a[16], b[16];
    for (int i = 0; i < 16; ++i) a[i] = float(i), b[i] = float(i % 5 == 0 ? 2 : 0);
    float out[16];
    MultiplyMatrices(out, a, b);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(out[i], 2 * a[i]);
    b[1] = 1; // B moves column 0 into column 1 as well
    MultiplyMatrices(a, a, b);
    EXPECT_EQ(a[4 * 2 + 1], 2 * 9 + 8);
}

TEST(Intersect, RayThroughTheOriginMeetsTheBoard) {
    const float board[4] = {0, 0, 1, 0};
    point3d hit;
    EXPECT_EQ(IntersectRayPlane({0, -8, -8}, board, {0, 8, 8}, hit), 1);
    ExpectNear(hit, {0, 0, 0});
}

TEST(Intersect, ParallelRayIsReportedNotGarbage) {
    const float board[4] = {0, 0, 1, 0};
    point3d hit{9, 9, 9};
    EXPECT_EQ(IntersectRayPlane({1, 0, 0}, board, {0, 0, 2}, hit), 0);
    EXPECT_EQ(hit, (point3d{0, 0, 2}));
}

TEST(Intersect, PlaneFromPointNormal) {
    float plane[4];
    PlaneFromPointNormal(plane, {1, 2, 3}, {0, 0, 2});
    EXPECT_EQ(plane[2], 2);
    EXPECT_EQ(plane[3], -6);
}

TEST(Intersect, PointInUnitTriangle) {
    const point3d a{0, 0, 0}, b{1, 0, 0}, c{0, 1, 0};
    EXPECT_EQ(PointInTriangle(a, b, c, {0.25f, 0.25f, 0}), 1);
    EXPECT_EQ(PointInTriangle(a, b, c, {0.6f, 0.6f, 0}), 0);
    EXPECT_EQ(PointInTriangle(a, b, c, {0, 0, 0}), 0);
    // Exactly on an edge a partial area vanishes and counts as 1.
    EXPECT_EQ(PointInTriangle(a, b, c, {0.5f, 0.5f, 0}), 0);
    EXPECT_EQ(PointInTriangle(a, b, c, {0.49f, 0.49f, 0}), 1);
    EXPECT_EQ(PointInTriangle(a, b, c, {0.25f, 0.25f, 1}), 0);
}

TEST(Intersect, PickingASquareOfATurnedBoard) {
    float m[16];
    SetIdentity(m);
    SetRotation(m, 0, 0, std::numbers::pi);
    point3d k0, k1, k2;
    TransformColumns(k0, {-4, -4, 0}, m); // corner of square A1 seen from Black
    TransformColumns(k1, {-3, -4, 0}, m);
    TransformColumns(k2, {-3, -3, 0}, m);
    EXPECT_EQ(PointInTriangle(k0, k1, k2, {3.4f, 3.8f, 0}), 1);
    EXPECT_EQ(PointInTriangle(k0, k1, k2, {-3.4f, -3.8f, 0}), 0);
}

} // namespace
