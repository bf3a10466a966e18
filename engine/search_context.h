#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>

namespace engine {

// What every node of one search reads: the engine's colour, the depth
// limit, where the root reports, and the two outside signals a node polls
// (a stop request and the clock second its random choice depends on).
struct SearchContext {
    int32_t engineColor = 0;
    int32_t depth = 2; // plies remaining at the root
    std::FILE* log = nullptr;
    std::function<bool()> stopRequested;
    std::function<int64_t()> clockSecond;
    bool kingMissing = false; // a node met a side without a king
    uint64_t nodes = 0;
    int threads = 1; // the root's moves may be shared between two threads

    bool PollStop() { return stopRequested && stopRequested(); }
    int64_t Second() const;
};

} // namespace engine
