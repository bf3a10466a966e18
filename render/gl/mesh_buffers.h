#pragma once

class CMesh;

// A piece mesh in GL buffer objects: its vertex records (positions and
// texture coordinates), its normals and its triangles. Drawing then passes
// no vertex data at all.
class CMeshBuffers {
public:
    CMeshBuffers() = default;
    CMeshBuffers(const CMeshBuffers&) = delete;
    CMeshBuffers& operator=(const CMeshBuffers&) = delete;

    // Needs a current context; an empty mesh makes nothing.
    void Upload(const CMesh& mesh);
    // Deletes the buffers; the context must be current.
    void Release();
    // Forgets them without GL calls, after their context was destroyed.
    void Drop() { vertices_ = normals_ = indices_ = 0, indexCount_ = 0; }
    // With the vertex, normal and texture-coordinate arrays as the caller
    // has enabled them.
    void Draw() const;

private:
    unsigned int vertices_ = 0, normals_ = 0, indices_ = 0;
    int indexCount_ = 0;
};
