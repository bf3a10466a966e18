#pragma once

#include <algorithm>
#include <chrono>
#include <functional>

// The best of `runs` timings of `work`, in milliseconds.
inline double BestOf(int runs, const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}
