#pragma once

#include "render/texture_image.h"

// Makes one mipmapped RGB texture from packed rows (clamped, trilinear) and
// leaves it bound with 2D texturing on. Needs a current OpenGL context.
// Returns the texture name, 0 for an empty image.
unsigned int UploadTexture(int width, int height, const void* rgbRows);
unsigned int UploadTexture(const TextureImage& image);
