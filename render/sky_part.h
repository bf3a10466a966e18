#pragma once

#include "render/array.h"
#include "render/geometry/point3d.h"
#include "render/mesh.h"

#include <cstdint>
#include <string>

// One face of the sky: its vertices, the positions drawn, and its picture.
class CSkyPart {
public:
    CSkyPart() = default;
    CSkyPart(const CSkyPart&) = delete;
    CSkyPart& operator=(const CSkyPart&) = delete;
    virtual ~CSkyPart() = default;

    // Positions are the table's scaled by 0.02; `indices` is kept, not copied.
    void Build(std::uint32_t vertexCount, const vert_t* vertexTable, std::uint32_t triangleCount,
               const std::uint32_t* indices);
    // Replaces the texture by the JPEG picture at `path`; 1 on success. A
    // picture that fails is reported and leaves the face untextured.
    int LoadImage(const std::string& path);
    // Positions := the vertex positions transformed by `matrix` (row transform).
    void Transform(const float matrix[16]);
    // Positions := the positions Build made, times `factor`.
    void SetScale(float factor);
    // Needs a current GL context.
    void Draw() const;
    // Forgets the texture without deleting it (the context that held it is gone).
    void DropTexture() { texture = 0; }

    unsigned int texture = 0;
    Array<point3d> positions;
    Array<vert_t> vertices;
    Array<point3d> basePositions;
    const std::uint32_t* triangleIndices = nullptr;
    std::uint32_t vertexCount = 0;
    std::uint32_t triangleCount = 0;
};
