#pragma once

#include "render/bmp_file.h"
#include "render/jpg_file.h"

#include <cstdint>
#include <vector>

// What the texture set-up uploads: packed RGB rows, the first row handed
// over becoming the bottom of the texture (t = 0).
struct TextureImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes
};

// The board textures go up with the BMP picture's top row first.
TextureImage TextureFromBmp(const BMP_File& bmp);

// Sky pictures go up flipped, bottom row first. Grey pictures are spread
// to three bytes per pixel through their palette.
TextureImage TextureFromJpeg(const JPG_File& jpeg, bool bottomRowFirst = true);
