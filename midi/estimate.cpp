#include "midi/estimate.h"

#include "midi/midi_keyboard.h"
#include "midi/play_state.h"

#include <cstdlib>
#include <mutex>

namespace midi {

int Estimate(std::span<const sMidiEvent> events, sEstimate& estimate) {
    estimate.averageScore = estimate.averageTempo = estimate.largestShift = 0;
    estimate.reserved = 0;
    // Times compare unsigned: a range given from a negative time holds nothing.
    const auto from = std::uint32_t(estimate.from), to = std::uint32_t(estimate.to);
    double scoreSum = 0, tempoSum = 0;
    int scores = 0, tempi = 0, largestShift = 0;
    bool reached = false;
    for (const sMidiEvent& e : events) {
        const auto aligned = std::uint32_t(e.alignedTime);
        if (aligned < from) continue;
        if (!reached) {
            tempoSum += e.tempoPercent;
            ++tempi;
            if (std::abs(e.shift) > std::abs(largestShift)) largestShift = e.shift;
        }
        if (aligned >= to) reached = true;
        // Only the last event of a window carries a score; the others hold -1.
        if (e.score >= 0) {
            scoreSum += e.score;
            ++scores;
            if (reached) break;
        }
    }
    if (scores) estimate.averageScore = float(scoreSum / scores);
    if (tempi) estimate.averageTempo = float(tempoSum / tempi);
    estimate.largestShift = float(largestShift);
    if (scores && tempi) return kEstimated;
    if (tempi) return kNoScore;
    return scores ? kNoTempo : kNothingInRange;
}

namespace api {

int GetEstimateStatus(ControlHandle window, sEstimate* estimate) {
    std::lock_guard lock(ComponentMutex());
    const CMidiKeyboard* control = FindControl(window);
    if (!control || !estimate) return kNoScore;
    return Estimate(control->file().FirstTrack(), *estimate);
}

} // namespace api
} // namespace midi
