#pragma once

#include <cstdint>
#include <string>

// One chess clock: hours, minutes, seconds. Hours are not bounded.
struct sClock {
    uint16_t hours = 0;
    uint16_t minutes = 0;
    uint16_t seconds = 0;

    void Reset() { *this = sClock{}; }
    void AddSecond();
    // "%02d:%02d:%02d".
    std::string Text() const;
};

// The millisecond source of the clocks, platform::TickCount unless a test
// puts another one in (null restores it).
using ClockTickSource = uint32_t (*)();
void SetClockTickSource(ClockTickSource source);
uint32_t ClockTickNow();

// The time of the last clock second, shared by the process.
extern uint32_t lastClockTick;
