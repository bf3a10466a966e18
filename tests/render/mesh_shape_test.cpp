// Checks on the embedded meshes themselves: the data a player looks at.
#include "render/embedded_meshes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>

namespace {

struct Box {
    float x0 = 1e9f, y0 = 1e9f, z0 = 1e9f, x1 = -1e9f, y1 = -1e9f, z1 = -1e9f;
    float radius = 0; // largest distance from the z axis
};

Box Bounds(const MeshTable& t) {
    Box b;
    for (std::uint32_t i = 0; i < t.vertexCount; ++i) {
        const vert_t& v = t.vertices[i];
        b.x0 = std::min(b.x0, v.x), b.x1 = std::max(b.x1, v.x);
        b.y0 = std::min(b.y0, v.y), b.y1 = std::max(b.y1, v.y);
        b.z0 = std::min(b.z0, v.z), b.z1 = std::max(b.z1, v.z);
        b.radius = std::max(b.radius, std::hypot(v.x, v.y));
    }
    return b;
}

void ExpectWellFormed(const MeshTable& t) {
    for (std::uint32_t i = 0; i < t.faceCount; ++i) {
        const face_t& f = t.faces[i];
        ASSERT_LT(std::max({f.a, f.b, f.c}), t.vertexCount);
    }
    for (std::uint32_t i = 0; i < t.vertexCount; ++i) {
        EXPECT_GE(t.vertices[i].u, 0.0f);
        EXPECT_LE(t.vertices[i].u, 1.0f);
        EXPECT_GE(t.vertices[i].v, 0.0f);
        EXPECT_LE(t.vertices[i].v, 1.0f);
    }
}

// Every edge, by position, is walked once in each direction: the surface is
// closed and consistently wound.
int UnmatchedEdges(const MeshTable& t) {
    using Key = std::array<long, 3>;
    auto key = [&](std::uint32_t i) {
        const vert_t& v = t.vertices[i];
        return Key{std::lround(v.x * 1e5), std::lround(v.y * 1e5), std::lround(v.z * 1e5)};
    };
    std::map<std::pair<Key, Key>, int> balance;
    for (std::uint32_t i = 0; i < t.faceCount; ++i) {
        const face_t& f = t.faces[i];
        const Key k[3] = {key(f.a), key(f.b), key(f.c)};
        if (k[0] == k[1] || k[1] == k[2] || k[0] == k[2]) continue; // degenerate
        for (int e = 0; e < 3; ++e) {
            const Key &a = k[e], &b = k[(e + 1) % 3];
            if (a < b)
                ++balance[{a, b}];
            else
                --balance[{b, a}];
        }
    }
    int unmatched = 0;
    for (const auto& [edge, count] : balance) unmatched += std::abs(count);
    return unmatched;
}

double SignedVolume(const MeshTable& t) {
    double sum = 0;
    for (std::uint32_t i = 0; i < t.faceCount; ++i) {
        const vert_t &a = t.vertices[t.faces[i].a], &b = t.vertices[t.faces[i].b],
                     &c = t.vertices[t.faces[i].c];
        sum += (double(a.x) * (double(b.y) * c.z - double(b.z) * c.y) +
                double(a.y) * (double(b.z) * c.x - double(b.x) * c.z) +
                double(a.z) * (double(b.x) * c.y - double(b.y) * c.x)) /
               6;
    }
    return sum;
}

struct PieceSize {
    int type;
    const char* name;
    float footprint, height;
};

TEST(PieceMeshes, ClosedOutwardAndSizedForTheirSquare) {
    const PieceSize sizes[] = {{1, "pawn", 0.217f, 0.596f},
                               {3, "bishop", 0.218f, 1.191f},
                               {4, "rook", 0.219f, 0.883f},
                               {5, "queen", 0.216f, 1.317f},
                               {6, "king", 0.212f, 1.494f}};
    for (const PieceSize& s : sizes) {
        SCOPED_TRACE(s.name);
        const MeshTable& t = PieceTable(s.type);
        ExpectWellFormed(t);
        const Box b = Bounds(t);
        EXPECT_NEAR(b.radius, s.footprint, 0.003f);
        EXPECT_FLOAT_EQ(b.z0, 0);
        EXPECT_NEAR(b.z1, s.height, 0.003f);
        EXPECT_EQ(UnmatchedEdges(t), 0);
        // Outward winding; a solid of roughly a third of its bounding cylinder.
        const double cylinder = M_PI * s.footprint * s.footprint * s.height;
        EXPECT_GT(SignedVolume(t), 0.15 * cylinder);
        EXPECT_LT(SignedVolume(t), 0.6 * cylinder);
    }
}

TEST(PieceMeshes, KnightLooksTowardsMinusXPlusY) {
    const MeshTable& t = PieceTable(2);
    ExpectWellFormed(t);
    const Box b = Bounds(t);
    EXPECT_NEAR(b.x0, -0.301f, 0.02f);
    EXPECT_NEAR(b.y1, 0.304f, 0.02f);
    EXPECT_NEAR(b.x1, 0.212f, 0.01f);
    EXPECT_NEAR(b.y0, -0.212f, 0.01f);
    EXPECT_FLOAT_EQ(b.z0, 0);
    EXPECT_NEAR(b.z1, 1.132f, 0.003f);
    EXPECT_EQ(UnmatchedEdges(t), 0);
    EXPECT_EQ(t.vertexCount, 1644u);
    EXPECT_EQ(t.faceCount, 2804u);
    // A head with volume, not a slab: little of its surface faces straight
    // to either side, where a cut-out outline has its two flat faces.
    double area = 0, sideways = 0;
    for (std::uint32_t i = 0; i < t.faceCount; ++i) {
        const vert_t &a = t.vertices[t.faces[i].a], &b = t.vertices[t.faces[i].b],
                     &c = t.vertices[t.faces[i].c];
        const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
        const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
        const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
        const double twice = std::sqrt(nx * nx + ny * ny + nz * nz);
        if (twice == 0) continue;
        area += twice;
        // The lateral axis is (1, 1, 0) / sqrt(2), across the facing diagonal.
        if (std::abs(nx + ny) / std::sqrt(2.0) / twice > 0.97) sideways += twice;
    }
    EXPECT_LT(sideways / area, 0.2) << sideways / area;
}

// Flat meshes wind counter-clockwise seen from above and never overlap:
// their triangles add up to the area they cover exactly once.
double UpwardArea(const MeshTable& t) {
    double area = 0;
    for (std::uint32_t i = 0; i < t.faceCount; ++i) {
        const vert_t &a = t.vertices[t.faces[i].a], &b = t.vertices[t.faces[i].b],
                     &c = t.vertices[t.faces[i].c];
        const double twice =
            (double(b.x) - a.x) * (double(c.y) - a.y) - (double(b.y) - a.y) * (double(c.x) - a.x);
        EXPECT_GT(twice, 0) << "triangle " << i;
        area += twice / 2;
    }
    return area;
}

// Boundary edges (used once) of a flat mesh enclose, by the shoelace sum,
// the same area as its triangles when none overlap.
double BoundaryArea(const MeshTable& t) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    for (std::uint32_t i = 0; i < t.faceCount; ++i) {
        const std::uint32_t v[3] = {t.faces[i].a, t.faces[i].b, t.faces[i].c};
        for (int e = 0; e < 3; ++e) ++edges[{v[e], v[(e + 1) % 3]}];
    }
    double area = 0;
    for (const auto& [edge, count] : edges) {
        if (edges.count({edge.second, edge.first})) continue;
        const vert_t &a = t.vertices[edge.first], &b = t.vertices[edge.second];
        area += (double(a.x) * b.y - double(b.x) * a.y) / 2 * count;
    }
    return area;
}

TEST(FlatMeshes, ShadowLiesOnTheBoardTowardsPlusXMinusY) {
    const MeshTable& t = ShadowTable();
    ExpectWellFormed(t);
    const Box b = Bounds(t);
    EXPECT_FLOAT_EQ(b.z0, 0);
    EXPECT_FLOAT_EQ(b.z1, 0);
    EXPECT_NEAR(b.x0, -0.215f, 0.005f);
    EXPECT_NEAR(b.x1, 0.396f, 0.005f);
    EXPECT_NEAR(b.y0, -0.371f, 0.005f);
    EXPECT_NEAR(b.y1, 0.21f, 0.01f);
    EXPECT_NEAR(UpwardArea(t), BoundaryArea(t), 1e-6);
}

TEST(FlatMeshes, GlyphsAreFilledOutlinesOfTheirHeight) {
    const std::string names = "ABCDEFGH12345678";
    for (int g = 0; g < 16; ++g) {
        SCOPED_TRACE(std::string(1, names[g]));
        const MeshTable& t = g < 8 ? LetterGlyph(g) : DigitGlyph(g - 8);
        ExpectWellFormed(t);
        const Box b = Bounds(t);
        EXPECT_FLOAT_EQ(b.z0, 0);
        EXPECT_FLOAT_EQ(b.z1, 0);
        EXPECT_NEAR(b.y0, 0, 0.002f);
        EXPECT_NEAR(b.y1, 0.28f, 0.002f);
        EXPECT_NEAR(b.x0 + b.x1, 0, 1e-5f);
        EXPECT_GT(b.x1 - b.x0, 0.05f);
        EXPECT_LT(b.x1 - b.x0, 0.3f);
        const double area = UpwardArea(t);
        EXPECT_GT(area, 0.1 * 0.28 * (b.x1 - b.x0));
        EXPECT_NEAR(area, BoundaryArea(t), 1e-6);
    }
}

} // namespace
