#pragma once

#include <cstdint>

// How the pieces step, as (dx, dy) pairs.
namespace notation {

struct Step {
    int8_t dx;
    int8_t dy;
};

inline constexpr Step kKnightSteps[8] = {{1, 2},   {2, 1},   {2, -1}, {1, -2},
                                         {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
inline constexpr Step kKingSteps[8] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                       {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
inline constexpr Step kDiagonals[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
inline constexpr Step kLines[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

} // namespace notation
