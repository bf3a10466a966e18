#pragma once

#include "render/texture_image.h"

// How texture coordinates outside 0..1 are treated. Clamp blends the border
// colour into the outermost texels; ClampToEdge repeats the edge texels, so
// pictures that meet at a seam (the sky's faces) join without a line.
enum class TextureWrap { Clamp, ClampToEdge };

// Makes one mipmapped RGB texture from packed rows (trilinear) and leaves it
// bound with 2D texturing on. Needs a current OpenGL context. Returns the
// texture name, 0 for an empty image.
unsigned int UploadTexture(int width, int height, const void* rgbRows,
                           TextureWrap wrap = TextureWrap::Clamp);
unsigned int UploadTexture(const TextureImage& image, TextureWrap wrap = TextureWrap::Clamp);
