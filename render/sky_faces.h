#pragma once

#include "render/mesh.h"

#include <cstdint>

// The six faces of the sky shell in table units, in the order lf, rt, up,
// dn, bk, fr. Each face has 81 vertices and 128 triangles wound
// counter-clockwise seen from outside; its corners lie at distance 50 on
// the cube diagonals and its centre at 47.45 on an axis, with "up" at +y.
struct sSkyFaceTable {
    const vert_t* vertices;
    std::uint32_t vertexCount;
    const std::uint32_t* indices; // three per triangle
    std::uint32_t triangleCount;
};

inline constexpr int kSkyFaceCount = 6;
inline constexpr const char* kSkyFaceNames[kSkyFaceCount] = {"lf", "rt", "up", "dn", "bk", "fr"};

const sSkyFaceTable& SkyFaceTable(int face);
