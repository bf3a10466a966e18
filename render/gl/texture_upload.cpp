#include "render/gl/texture_upload.h"

#include <GL/gl.h>
#include <GL/glu.h>

unsigned int UploadTexture(int width, int height, const void* rgbRows, TextureWrap wrap) {
    if (width <= 0 || height <= 0 || !rgbRows) return 0;
    const GLint wrapMode = wrap == TextureWrap::ClampToEdge ? GL_CLAMP_TO_EDGE : GL_CLAMP;
    GLuint name = 0;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glEnable(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapMode);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapMode);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgbRows);
    return name;
}

unsigned int UploadTexture(const TextureImage& image, TextureWrap wrap) {
    return image.rgb.empty() ? 0 : UploadTexture(image.width, image.height, image.rgb.data(), wrap);
}
