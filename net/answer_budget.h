#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// How many discovery answers a waiting side may send: a flood of queries,
// forged or not, gets a few answers a second and no more.
class CAnswerBudget {
public:
    static constexpr size_t kPerSecond = 4;

    // True when an answer may go out at `nowMs` (a monotonic millisecond
    // clock); the answer is then counted.
    bool Take(uint64_t nowMs);

private:
    // When the last kPerSecond answers went out, oldest first once full.
    std::array<uint64_t, kPerSecond> sent_{};
    size_t count_ = 0;
    size_t next_ = 0;
};
