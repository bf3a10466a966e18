#include "engine/step_tables.h"

#include <array>

namespace engine {
namespace {

struct Direction {
    int32_t dx;
    int32_t dy;
};

// Rays of seven steps each; a blocked or leaving ray jumps to the next one.
template <std::size_t Rays>
constexpr std::array<sStep, Rays * 7> MakeRays(const std::array<Direction, Rays>& directions) {
    std::array<sStep, Rays * 7> steps{};
    for (std::size_t r = 0; r < Rays; ++r)
        for (int32_t k = 1; k <= 7; ++k)
            steps[r * 7 + k - 1] = {directions[r].dx * k, directions[r].dy * k, 1,
                                    static_cast<int32_t>((r + 1) * 7)};
    return steps;
}

constexpr std::array<Direction, 4> kDiagonals{{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};
constexpr std::array<Direction, 4> kOrthogonals{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
constexpr std::array<Direction, 8> kQueenLines{
    {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}}};

constexpr sStep kPawnForward[] = {{0, 1, 0, 2}, {0, 2, 0, 2}};
constexpr sStep kPawnCapture[] = {{-1, 1, 1, 0}, {1, 1, 1, 0}};
constexpr sStep kKnightSteps[] = {{2, 1, 1, 0},  {2, -1, 1, 0},  {-1, 2, 1, 0},  {1, 2, 1, 0},
                                  {-2, 1, 1, 0}, {-2, -1, 1, 0}, {-1, -2, 1, 0}, {1, -2, 1, 0}};
constexpr auto kBishopSteps = MakeRays(kDiagonals);
constexpr auto kRookSteps = MakeRays(kOrthogonals);
constexpr auto kQueenSteps = MakeRays(kQueenLines);
constexpr sStep kKingSteps[] = {{1, 1, 1, 0}, {-1, 1, 1, 0}, {-1, -1, 1, 0}, {1, -1, 1, 0},
                                {1, 0, 1, 0}, {0, 1, 1, 0},  {-1, 0, 1, 0},  {0, -1, 1, 0}};
constexpr sStep kCastling[] = {{-2, 0, 1, 0}, {2, 0, 1, 0}};

} // namespace

std::span<const sStep> PawnForwardSteps() {
    return kPawnForward;
}
std::span<const sStep> PawnCaptureSteps() {
    return kPawnCapture;
}
std::span<const sStep> CastlingSteps() {
    return kCastling;
}

std::span<const sStep> FigureSteps(int32_t type) {
    switch (type) {
    case kKnight:
        return kKnightSteps;
    case kBishop:
        return kBishopSteps;
    case kRook:
        return kRookSteps;
    case kQueen:
        return kQueenSteps;
    case kKing:
        return kKingSteps;
    default:
        return {};
    }
}

} // namespace engine
