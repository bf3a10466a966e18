#pragma once

#include <cstdint>
#include <memory>

// A GL context drawing into an invisible pbuffer of the X display named by
// DISPLAY, for rendering without a window (tests and benchmarks).
class COffscreenContext {
public:
    COffscreenContext(int width, int height);
    ~COffscreenContext();
    COffscreenContext(const COffscreenContext&) = delete;
    COffscreenContext& operator=(const COffscreenContext&) = delete;

    // False when no display or no pbuffer configuration was found.
    bool Valid() const;
    int Width() const { return width_; }
    int Height() const { return height_; }

    struct sPixel {
        std::uint8_t r, g, b, a;
        bool operator==(const sPixel&) const = default;
    };
    // (x, y) with y counted from the bottom row, as GL counts it.
    sPixel Pixel(int x, int y) const;

private:
    struct sImpl;
    std::unique_ptr<sImpl> impl_;
    int width_, height_;
};
