#include "render/texture_image.h"

#include <algorithm>
#include <cstring>

TextureImage TextureFromBmp(const BMP_File& bmp) {
    TextureImage image{bmp.Width(), bmp.Height(), {}};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(bmp.Pixels());
    if (bytes) image.rgb.assign(bytes, bytes + std::size_t(image.width) * image.height * 3);
    return image;
}

TextureImage TextureFromJpeg(const JPG_File& jpeg, bool bottomRowFirst) {
    TextureImage image;
    if (!jpeg.Loaded()) return image;
    image.width = int(jpeg.Width());
    image.height = int(jpeg.Height());
    const std::size_t rowBytes = std::size_t(image.width) * 3;
    image.rgb.resize(rowBytes * image.height);
    for (int y = 0; y < image.height; ++y) {
        const int from = bottomRowFirst ? image.height - 1 - y : y;
        std::uint8_t* out = &image.rgb[rowBytes * y];
        if (jpeg.BytesPerPixel() == 3) {
            std::memcpy(out, jpeg.Pixels() + rowBytes * from, rowBytes);
            continue;
        }
        const std::uint8_t* in = jpeg.Pixels() + std::size_t(image.width) * from;
        for (int x = 0; x < image.width; ++x)
            std::fill_n(out + 3 * x, 3, jpeg.Palette()[4 * in[x]]);
    }
    return image;
}
