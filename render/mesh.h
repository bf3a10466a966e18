#pragma once

#include "render/array.h"
#include "render/geometry/point3d.h"

#include <cstdint>

// One vertex: position, then texture coordinates (w is carried, not used).
struct vert_t {
    float x = 0, y = 0, z = 0;
    float u = 0, v = 0, w = 0;
};
static_assert(sizeof(vert_t) == 24);

// One triangle, indices into the mesh's vertex array.
struct face_t {
    std::uint32_t a = 0, b = 0, c = 0;
};
static_assert(sizeof(face_t) == 12);

// A triangle mesh with one normal per vertex. Vertices and faces are
// contiguous so they go to OpenGL as vertex and index arrays.
class CMesh {
public:
    Array<vert_t> vertices;
    Array<face_t> faces;
    Array<point3d> normals;
};

// Per-vertex normals: the unweighted sum of the unit normals of the faces
// that use the vertex, made unit and scaled by -0.75. The face normal is
// unit(e2 x e1) with e1, e2 the unit edges from the first corner, so the
// result points outwards for faces wound counter-clockwise seen from outside.
// A vertex no face uses gets the zero vector.
void ComputeNormals(const Array<face_t>& faces, const Array<vert_t>& vertices,
                    Array<point3d>& normals);

// How IsClosedOutward pairs an edge with its twin: by the vertices' indices,
// or by their positions, which also joins a surface along the seams where
// its vertices are split for the texture.
enum class EdgeMatch { ByIndex, ByPosition };

// Every edge walked as often in one direction as in the other, and a
// positive volume: a closed surface wound outwards, which hides its own back
// faces.
bool IsClosedOutward(const CMesh& mesh, EdgeMatch match);
