#pragma once

// A position, direction or normal in board space (one square is 1 x 1, z up).
struct point3d {
    float x = 0, y = 0, z = 0;

    friend bool operator==(const point3d&, const point3d&) = default;
};
static_assert(sizeof(point3d) == 12);
