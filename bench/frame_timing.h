#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

// Time per frame of a drawing: wall time, the process's CPU time (the
// software renderer's threads included) and the drawing thread's own.
struct sFrameTiming {
    double wallMs, cpuMs, mainMs;
};

inline double CpuSeconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// `draw` must finish its frame; the first one, which builds buffers and
// shaders, is not counted.
inline sFrameTiming TimeFrames(const std::function<void()>& draw, int frames) {
    draw();
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double mainStart = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < frames; ++i) draw();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;
    const double main = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - mainStart;
    return {1000 * wall / frames, 1000 * cpu / frames, 1000 * main / frames};
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The timings of one drawing over several rounds.
struct sFrameSamples {
    std::vector<double> wall, cpu, main;

    void Add(const sFrameTiming& t) {
        wall.push_back(t.wallMs);
        cpu.push_back(t.cpuMs);
        main.push_back(t.mainMs);
    }
    bool Empty() const { return wall.empty(); }
    sFrameTiming Medians() const { return {Median(wall), Median(cpu), Median(main)}; }
};

// The drawing thread binds the frame, the renderer's threads fill its
// pixels: on two idle cores the frame takes about the first plus half the
// second, whatever else the machine is doing while it is measured.
inline double IdleTwoCoreMs(double cpuMs, double mainMs) {
    return mainMs + (cpuMs - mainMs) / 2;
}
