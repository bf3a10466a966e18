#include "render/sky.h"
#include "render/sky_faces.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>

namespace {

double Distance(const vert_t& v) {
    return std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z);
}

using Key = std::array<long, 3>;
Key KeyOf(const vert_t& v) {
    return {std::lround(v.x * 1000), std::lround(v.y * 1000), std::lround(v.z * 1000)};
}

TEST(SkyFaces, EachFaceHasItsCentreCornersAndRows) {
    const point3d centres[kSkyFaceCount] = {{-47.45f, 0, 0}, {47.45f, 0, 0}, {0, 47.45f, 0},
                                            {0, -47.45f, 0}, {0, 0, 47.45f}, {0, 0, -47.45f}};
    for (int f = 0; f < kSkyFaceCount; ++f) {
        SCOPED_TRACE(kSkyFaceNames[f]);
        const sSkyFaceTable& face = SkyFaceTable(f);
        ASSERT_EQ(face.vertexCount, 81u);
        ASSERT_EQ(face.triangleCount, 128u);
        std::map<float, std::set<float>> rows; // v -> the u values on it
        int corners = 0;
        for (std::uint32_t i = 0; i < face.vertexCount; ++i) {
            const vert_t& v = face.vertices[i];
            EXPECT_EQ(v.w, 0);
            EXPECT_GE(Distance(v), 47.45 - 1e-3);
            EXPECT_LE(Distance(v), 50 + 1e-3);
            if ((v.u == 0 || v.u == 1) && (v.v == 0 || v.v == 1)) {
                ++corners;
                for (float c : {v.x, v.y, v.z}) EXPECT_NEAR(std::abs(c), 28.8675, 1e-3);
            }
            if (v.u == 0.5f && v.v == 0.5f) {
                EXPECT_NEAR(v.x, centres[f].x, 1e-3);
                EXPECT_NEAR(v.y, centres[f].y, 1e-3);
                EXPECT_NEAR(v.z, centres[f].z, 1e-3);
            }
            rows[v.v].insert(v.u);
        }
        EXPECT_EQ(corners, 4);
        for (float v : {0.f, 0.25f, 0.5f, 0.75f, 1.f}) EXPECT_EQ(rows[v].size(), 9u);
        // The rows between hold five vertices each, with the cell centres between them.
        for (float v : {0.125f, 0.375f, 0.625f, 0.875f}) EXPECT_EQ(rows[v].size(), 9u);
        for (std::uint32_t i = 0; i < 3 * face.triangleCount; ++i) EXPECT_LT(face.indices[i], 81u);
    }
}

TEST(SkyFaces, TextureCoordinatesGrowAlongTheTableAxes) {
    // Face, then the axis u grows along and the one v grows along (1 x, 2 y, 3 z, signed).
    const int axes[kSkyFaceCount][2] = {{3, 2}, {-3, 2}, {1, -3}, {-1, -3}, {1, 2}, {-1, 2}};
    for (int f = 0; f < kSkyFaceCount; ++f) {
        const sSkyFaceTable& face = SkyFaceTable(f);
        auto coordinate = [](const vert_t& v, int axis) {
            const float c[3] = {v.x, v.y, v.z};
            return axis > 0 ? c[axis - 1] : -c[-axis - 1];
        };
        const vert_t* low = nullptr;
        const vert_t* high = nullptr;
        for (std::uint32_t i = 0; i < face.vertexCount; ++i) {
            const vert_t& v = face.vertices[i];
            if (v.v == 0.5f && v.u == 0) low = &v;
            if (v.v == 0.5f && v.u == 1) high = &v;
        }
        ASSERT_TRUE(low && high);
        EXPECT_LT(coordinate(*low, axes[f][0]), coordinate(*high, axes[f][0])) << f;
        for (std::uint32_t i = 0; i < face.vertexCount; ++i) {
            const vert_t& v = face.vertices[i];
            if (v.u == 0.5f && v.v == 0) low = &v;
            if (v.u == 0.5f && v.v == 1) high = &v;
        }
        EXPECT_LT(coordinate(*low, axes[f][1]), coordinate(*high, axes[f][1])) << f;
    }
}

// Every edge of the shell is met once in each direction: the faces close
// up, and all triangles are wound the same way, outwards.
TEST(SkyFaces, TheFacesFormAClosedShellWoundOutwards) {
    std::map<std::pair<Key, Key>, int> edges;
    for (int f = 0; f < kSkyFaceCount; ++f) {
        const sSkyFaceTable& face = SkyFaceTable(f);
        for (std::uint32_t t = 0; t < face.triangleCount; ++t) {
            const vert_t* c[3];
            for (int k = 0; k < 3; ++k) c[k] = &face.vertices[face.indices[3 * t + k]];
            const double e1[3] = {c[1]->x - c[0]->x, c[1]->y - c[0]->y, c[1]->z - c[0]->z};
            const double e2[3] = {c[2]->x - c[0]->x, c[2]->y - c[0]->y, c[2]->z - c[0]->z};
            const double n[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                                 e1[0] * e2[1] - e1[1] * e2[0]};
            EXPECT_GT(n[0] * c[0]->x + n[1] * c[0]->y + n[2] * c[0]->z, 0) << f << " " << t;
            for (int k = 0; k < 3; ++k) ++edges[{KeyOf(*c[k]), KeyOf(*c[(k + 1) % 3])}];
        }
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u);
    }
}

TEST(SkyFaces, ScaleTenPutsTheCornersAtDistanceTen) {
    CSky sky;
    sky.SetScale(10);
    int corners = 0;
    for (int p = 0; p < sky.PartCount(); ++p)
        for (const point3d& q : sky.Part(p).positions)
            if (q.x < -5.7f && q.y < -5.7f && q.z < -5.7f) {
                ++corners;
                EXPECT_NEAR(q.x, -5.7735, 1e-4);
                EXPECT_NEAR(q.y, -5.7735, 1e-4);
                EXPECT_NEAR(q.z, -5.7735, 1e-4);
            }
    EXPECT_EQ(corners, 3) << "one in each of the three faces that meet there";
    EXPECT_EQ(&sky.Part(6), &sky.Part(-1)) << "one spare part for bad indices";
}

} // namespace
