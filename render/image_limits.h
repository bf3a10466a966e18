#pragma once

#include <cstdint>

// The largest picture the loaders accept. A header may claim any size; a
// texture needs no more than this, and a damaged file must not make the
// program reserve gigabytes.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t(1) << 26; // 8192 x 8192

inline bool ImageSizeAcceptable(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels &&
           width * height <= kMaxImagePixels;
}
