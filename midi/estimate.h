#pragma once

#include "midi/control_registry.h"
#include "midi/midi_event.h"

#include <cstdint>
#include <span>

namespace midi {

// A summary of a compared performance over a stretch of the pupil's time.
struct sEstimate {
    std::int32_t from = 0; // ms, filled in by the caller
    std::int32_t to = 0;
    float averageScore = 0;
    float averageTempo = 0; // percent
    float largestShift = 0; // ms, with its sign
    std::int32_t reserved = 0;
};

enum EstimateResult : int {
    kEstimated = 0,
    kNoScore = -1,
    kNoTempo = -2,
    kNothingInRange = -3,
};

// Averages the window scores and tempi of the events aligned from `from` on,
// up to the first window score at or after `to`.
int Estimate(std::span<const sMidiEvent> events, sEstimate& estimate);

namespace api {
// kNoScore also when the window is not a live keyboard control.
int GetEstimateStatus(ControlHandle window, sEstimate* estimate);
} // namespace api

} // namespace midi
