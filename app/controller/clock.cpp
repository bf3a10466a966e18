#include "app/controller/clock.h"

#include "platform/ticks.h"

#include <cstdio>

uint32_t lastClockTick = 0;

namespace {
ClockTickSource tickSource = platform::TickCount;
}

void SetClockTickSource(ClockTickSource source) {
    tickSource = source ? source : platform::TickCount;
}

uint32_t ClockTickNow() {
    return tickSource();
}

void sClock::AddSecond() {
    if (++seconds < 60) return;
    seconds = 0;
    if (++minutes < 60) return;
    minutes = 0;
    ++hours;
}

std::string sClock::Text() const {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds);
    return text;
}
