#include "render/gl/mesh_buffers.h"

#include "render/mesh.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>

namespace {

unsigned int MakeBuffer(GLenum target, std::size_t bytes, const void* data) {
    GLuint name = 0;
    glGenBuffers(1, &name);
    glBindBuffer(target, name);
    glBufferData(target, GLsizeiptr(bytes), data, GL_STATIC_DRAW);
    glBindBuffer(target, 0);
    return name;
}

const void* Offset(std::size_t bytes) {
    return reinterpret_cast<const void*>(bytes);
}

} // namespace

void CMeshBuffers::Upload(const CMesh& mesh) {
    Release();
    if (mesh.vertices.Empty() || mesh.faces.Empty()) return;
    vertices_ = MakeBuffer(GL_ARRAY_BUFFER, std::size_t(mesh.vertices.Size()) * sizeof(vert_t),
                           mesh.vertices.Data());
    normals_ = MakeBuffer(GL_ARRAY_BUFFER, std::size_t(mesh.normals.Size()) * sizeof(point3d),
                          mesh.normals.Data());
    indices_ = MakeBuffer(GL_ELEMENT_ARRAY_BUFFER, std::size_t(mesh.faces.Size()) * sizeof(face_t),
                          mesh.faces.Data());
    indexCount_ = int(mesh.faces.Size() * 3);
}

void CMeshBuffers::Release() {
    for (unsigned int* buffer : {&vertices_, &normals_, &indices_})
        if (*buffer) glDeleteBuffers(1, buffer);
    Drop();
}

void CMeshBuffers::Draw() const {
    if (!indexCount_) return;
    glBindBuffer(GL_ARRAY_BUFFER, vertices_);
    glVertexPointer(3, GL_FLOAT, sizeof(vert_t), Offset(offsetof(vert_t, x)));
    glTexCoordPointer(2, GL_FLOAT, sizeof(vert_t), Offset(offsetof(vert_t, u)));
    glBindBuffer(GL_ARRAY_BUFFER, normals_);
    glNormalPointer(GL_FLOAT, 0, Offset(0));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices_);
    glDrawElements(GL_TRIANGLES, indexCount_, GL_UNSIGNED_INT, Offset(0));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}
