#include "render/bmp_file.h"

#include "render/file.h"
#include "render/image_limits.h"

#include <new>
#include <vector>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr std::uint16_t kBitmapType = 0x4D42; // "BM"

std::uint32_t Little(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

} // namespace

int BMP_File::Load(const char* path) {
    width_ = height_ = 0;
    pixels_.RemoveAll();
    File file;
    if (!file.Open(path, "rb")) return 0;
    unsigned char fileHeader[kFileHeaderSize], info[kInfoHeaderSize];
    if (std::fread(fileHeader, 1, sizeof fileHeader, file.Stream()) != sizeof fileHeader) return 0;
    if (std::fread(info, 1, sizeof info, file.Stream()) != sizeof info) return 0;
    if (Little(fileHeader, 2) != kBitmapType || Little(info + 14, 2) != 24) return 0;
    // Top-down (negative height) and empty pictures are refused, as are sizes
    // no texture needs.
    const auto width = std::int32_t(Little(info + 4, 4));
    const auto height = std::int32_t(Little(info + 8, 4));
    if (!ImageSizeAcceptable(width, height)) return 0;
    const std::size_t rowBytes = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    std::vector<unsigned char> row;
    try {
        pixels_.SetSize(std::int64_t(width) * height);
        row.resize(rowBytes);
    } catch (const std::bad_alloc&) {
        pixels_.RemoveAll();
        return 0;
    }
    width_ = width;
    height_ = height;
    // The file stores the bottom row first, each pixel as blue, green, red.
    for (int y = height - 1; y >= 0; --y) {
        if (std::fread(row.data(), 1, rowBytes, file.Stream()) != rowBytes) break;
        mColor_24* out = Pixel(0, y);
        for (int x = 0; x < width; ++x) out[x] = {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
    }
    return 1;
}

mColor_24* BMP_File::Pixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        spare_ = {};
        return &spare_;
    }
    return &pixels_[x + std::int64_t(y) * width_];
}
