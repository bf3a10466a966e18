#pragma once

#include "vec.h"

#include <string>
#include <vector>

namespace assetgen {

// A picture of linear-ish float colours, row 0 at the top, with an optional alpha plane.
class Image {
public:
    Image() = default;
    Image(int width, int height, Vec3 fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Vec3& at(int x, int y) { return pixels_[index(x, y)]; }
    Vec3 at(int x, int y) const { return pixels_[index(x, y)]; }
    float& alphaAt(int x, int y) { return alpha_[index(x, y)]; }
    float alphaAt(int x, int y) const { return alpha_[index(x, y)]; }

    // Every pixel := fn(x, y), with x and y at pixel centres in pixel units; `samples` per axis.
    template <class Fn> void shade(Fn&& fn, int samples = 1) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                Vec3 sum;
                for (int sy = 0; sy < samples; ++sy)
                    for (int sx = 0; sx < samples; ++sx)
                        sum += fn(x + (sx + 0.5f) / samples, y + (sy + 0.5f) / samples);
                at(x, y) = sum / float(samples * samples);
            }
    }

    // Stores colour and alpha together as one 8-bit RGBA buffer.
    std::vector<unsigned char> rgba8() const;
    std::vector<unsigned char> rgb8() const;

private:
    int index(int x, int y) const { return x + y * width_; }

    int width_ = 0, height_ = 0;
    std::vector<Vec3> pixels_;
    std::vector<float> alpha_;
};

unsigned char toByte(float v);

// Writers return false and leave a message on stderr when the file cannot be written.
bool writeBmp24(const Image& image, const std::string& path);
bool writeJpeg(const Image& image, const std::string& path, int quality);
bool writePng(const Image& image, const std::string& path);

// Area-averaging reduction by an integer factor (used for supersampled drawings).
Image downsample(const Image& image, int factor);

} // namespace assetgen
