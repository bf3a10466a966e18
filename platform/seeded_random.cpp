#include "platform/seeded_random.h"

namespace platform {

SeededRandom::SeededRandom(std::uint32_t seed) {
    if (seed == 0) seed = 1;
    // state[i] = 16807 * state[i - 1] mod (2^31 - 1), computed without overflow
    // on a signed word as the library does (a seed of 2^31 or more is negative).
    std::int32_t word = static_cast<std::int32_t>(seed);
    state_[0] = word;
    for (int i = 1; i < kDegree; ++i) {
        const std::int64_t hi = word / 127773;
        const std::int64_t lo = word % 127773;
        word = static_cast<std::int32_t>(16807 * lo - 2836 * hi);
        if (word < 0) word += 2147483647;
        state_[i] = word;
    }
    for (int i = 0; i < 10 * kDegree; ++i) Next();
}

std::int32_t SeededRandom::Next() {
    const std::uint32_t sum =
        static_cast<std::uint32_t>(state_[front_]) + static_cast<std::uint32_t>(state_[rear_]);
    state_[front_] = static_cast<std::int32_t>(sum);
    front_ = (front_ + 1) % kDegree;
    rear_ = (rear_ + 1) % kDegree;
    return static_cast<std::int32_t>(sum >> 1);
}

} // namespace platform
