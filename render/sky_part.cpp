#include "render/sky_part.h"

#include "platform/message_box.h"
#include "render/geometry/matrix.h"
#include "render/gl/texture_upload.h"
#include "render/jpg_file.h"
#include "render/texture_image.h"

#include <GL/gl.h>

void CSkyPart::Build(std::uint32_t count, const vert_t* table, std::uint32_t triangles,
                     const std::uint32_t* indices) {
    triangleIndices = indices;
    vertexCount = table ? count : 0;
    triangleCount = indices ? triangles : 0;
    positions.SetSize(vertexCount);
    vertices.SetSize(vertexCount);
    basePositions.SetSize(vertexCount);
    const float scale = 0.02f;
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        vert_t v = table[i];
        v.x = float(double(v.x) * scale);
        v.y = float(double(v.y) * scale);
        v.z = float(double(v.z) * scale);
        vertices[i] = v;
        basePositions[i] = {v.x, v.y, v.z};
    }
    float identity[16];
    SetIdentity(identity);
    Transform(identity);
}

int CSkyPart::LoadImage(const std::string& path) {
    if (texture) {
        glDeleteTextures(1, &texture);
        texture = 0;
    }
    JPG_File picture;
    if (!picture.Load(path.c_str())) {
        platform::ShowMessageBox("Can't load image", path, platform::kOk);
        return 0;
    }
    texture = UploadTexture(TextureFromJpeg(picture, true), TextureWrap::ClampToEdge);
    return texture ? 1 : 0;
}

void CSkyPart::Transform(const float matrix[16]) {
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        const vert_t& v = vertices[i];
        TransformRows(positions[i], {v.x, v.y, v.z}, matrix);
    }
}

void CSkyPart::SetScale(float factor) {
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        const point3d& b = basePositions[i];
        positions[i] = {b.x * factor, b.y * factor, b.z * factor};
    }
}

void CSkyPart::Draw() const {
    if (!vertexCount || !triangleCount) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    glVertexPointer(3, GL_FLOAT, sizeof(point3d), positions.Data());
    glTexCoordPointer(2, GL_FLOAT, sizeof(vert_t), &vertices.Data()->u);
    glDrawElements(GL_TRIANGLES, GLsizei(triangleCount * 3), GL_UNSIGNED_INT, triangleIndices);
}
