#pragma once

#include <cstdint>

// One RGB pixel as OpenGL takes it (three unsigned bytes, no padding).
struct mColor_24 {
    std::uint8_t r = 0, g = 0, b = 0;
};
static_assert(sizeof(mColor_24) == 3);
