#pragma once

#include "render/array.h"
#include "render/color.h"

#include <cstdint>

// An uncompressed 24-bit BMP picture, row 0 at the top; pixel (x, y) at
// index x + y * width.
class BMP_File {
public:
    virtual ~BMP_File() = default;

    // 1 on success, else 0 (and the picture is empty). Rows missing at the
    // end of a short file stay black.
    int Load(const char* path);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel at (x, y); outside the picture a spare pixel.
    mColor_24* Pixel(int x, int y);
    // Packed RGB rows, top row first (width * height pixels); null when empty.
    const mColor_24* Pixels() const { return pixels_.Empty() ? nullptr : pixels_.Data(); }

private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    Array<mColor_24> pixels_;
    mColor_24 spare_;
};
