#pragma once

#include <cmath>

// Lengths given in window points as device pixels, the unit of the picture
// and of the picking. A ratio of 1 leaves every length as it is.
struct sPixelScale {
    float ratio = 1.0f;

    int operator()(int points) const { return int(std::lround(float(points) * ratio)); }
    // Device pixels back in points.
    int Points(int pixels) const { return int(std::lround(float(pixels) / ratio)); }
};
