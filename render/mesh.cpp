#include "render/mesh.h"

#include "render/geometry/vector.h"

#include <array>
#include <cmath>
#include <map>
#include <utility>

namespace {

point3d Position(const vert_t& v) {
    return {v.x, v.y, v.z};
}

point3d UnitEdge(const vert_t& from, const vert_t& to) {
    point3d e;
    Sub(e, Position(to), Position(from));
    Normalize(e);
    return e;
}

// A vertex by its index, or by where it is to a hundred-thousandth.
using VertexKey = std::array<long, 3>;

VertexKey KeyOf(const CMesh& mesh, std::uint32_t i, EdgeMatch match) {
    if (match == EdgeMatch::ByIndex) return {long(i), 0, 0};
    const vert_t& v = mesh.vertices[i];
    return {std::lround(double(v.x) * 1e5), std::lround(double(v.y) * 1e5),
            std::lround(double(v.z) * 1e5)};
}

} // namespace

void ComputeNormals(const Array<face_t>& faces, const Array<vert_t>& vertices,
                    Array<point3d>& normals) {
    normals.RemoveAll();
    normals.SetSize(vertices.Size());
    for (const face_t& f : faces) {
        // A face that names a vertex outside the mesh lights nothing.
        if (!vertices.Contains(f.a) || !vertices.Contains(f.b) || !vertices.Contains(f.c)) continue;
        const point3d e1 = UnitEdge(vertices[f.a], vertices[f.b]);
        const point3d e2 = UnitEdge(vertices[f.a], vertices[f.c]);
        point3d n;
        Cross(n, e2, e1);
        Normalize(n);
        for (std::uint32_t corner : {f.a, f.b, f.c}) Add(normals[corner], normals[corner], n);
    }
    for (point3d& n : normals) {
        Normalize(n);
        Scale(n, -0.75f);
    }
}

bool IsClosedOutward(const CMesh& mesh, EdgeMatch match) {
    // Walks along each edge, counted up one way and down the other.
    std::map<std::pair<VertexKey, VertexKey>, int> balance;
    double volume = 0;
    for (const face_t& f : mesh.faces) {
        if (!mesh.vertices.Contains(f.a) || !mesh.vertices.Contains(f.b) ||
            !mesh.vertices.Contains(f.c))
            return false;
        const VertexKey k[3] = {KeyOf(mesh, f.a, match), KeyOf(mesh, f.b, match),
                                KeyOf(mesh, f.c, match)};
        if (k[0] == k[1] || k[1] == k[2] || k[0] == k[2]) continue; // no area
        for (int e = 0; e < 3; ++e) {
            const VertexKey &from = k[e], &to = k[(e + 1) % 3];
            if (from < to)
                ++balance[{from, to}];
            else
                --balance[{to, from}];
        }
        point3d bc;
        Cross(bc, Position(mesh.vertices[f.b]), Position(mesh.vertices[f.c]));
        volume += Dot(Position(mesh.vertices[f.a]), bc);
    }
    for (const auto& [edge, count] : balance)
        if (count != 0) return false;
    return !balance.empty() && volume > 0;
}
