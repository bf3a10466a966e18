#include "render/mesh.h"

#include "render/geometry/vector.h"

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
