#pragma once

#include <cstdint>
#include <span>

namespace engine {

// One step of a figure. When the landing square is off the board or occupied
// the walk goes on at `next` (0: the following entry), which ends a ray.
struct sStep {
    int32_t dx;
    int32_t dy;
    int32_t canCapture;
    int32_t next;
};

enum FigureType : int32_t {
    kNone = 0,
    kPawn = 1,
    kKnight = 2,
    kBishop = 3,
    kRook = 4,
    kQueen = 5,
    kKing = 6
};

std::span<const sStep> PawnForwardSteps();
std::span<const sStep> PawnCaptureSteps();
std::span<const sStep> CastlingSteps();

// The steps of a knight, bishop, rook, queen or king; empty for other types.
std::span<const sStep> FigureSteps(int32_t type);

} // namespace engine
