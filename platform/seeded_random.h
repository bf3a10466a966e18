#pragma once

#include <array>
#include <cstdint>

namespace platform {

// The C runtime's srand/rand sequence as the GNU C library produces it (an
// additive feedback generator over 31 words), on a private state. Every
// build uses this one sequence, so that a seed chooses the same numbers on
// each operating system.
class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed);

    // 0 .. 2^31 - 1, as rand() after srand(seed).
    std::int32_t Next();

private:
    static constexpr int kDegree = 31;
    static constexpr int kSeparation = 3;

    std::array<std::int32_t, kDegree> state_{};
    int front_ = kSeparation;
    int rear_ = 0;
};

} // namespace platform
