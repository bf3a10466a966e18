#include "midi/comparison.h"

#include <algorithm>
#include <limits>

namespace midi {
namespace {

// A comparison starts from the events as loaded, so that nothing of an
// earlier one survives in the events this one does not reach.
void ClearAlignment(std::span<sMidiEvent> events) {
    for (sMidiEvent& e : events) {
        e.alignedTime = e.time;
        e.shift = 0;
        e.tempoPercent = 100;
        e.score = -1.0f;
    }
}

std::int32_t Saturated(std::int64_t time) {
    return std::int32_t(std::min<std::int64_t>(time, std::numeric_limits<std::int32_t>::max()));
}

// Replays the window millisecond by millisecond at the best pair and stamps
// every source event consumed with the pupil time it was consumed at. The
// window's score goes to the last of them.
float RecordWindow(const sWindowStart& start, std::span<sMidiEvent> source, sBestPair best,
                   sVoiceState& pupil, sVoiceState& played) {
    pupil = start.pupilState;
    played = start.sourceState;
    const std::int64_t windowStart = start.pupilState.time;
    bool consumed = false;
    double sum = 0;
    for (int step = 0; step < kFinalSamples; ++step) {
        ReplayTo(start.pupil, pupil, windowStart + step);
        const auto time = SourceTime(start.sourceState.time, best.shift, best.tempoPercent, step);
        ReplayTo(start.source, played, time, [&](std::size_t i) {
            source[i].alignedTime = Saturated(windowStart + step);
            source[i].shift = std::int16_t(best.shift);
            source[i].tempoPercent = std::int16_t(best.tempoPercent);
            source[i].score = -1.0f;
            consumed = true;
        });
        sum += SampleValue(CompareVoices(played, pupil));
    }
    const float score = float(sum * kScorePerSample);
    if (consumed) source[played.cursor - 1].score = score;
    return score;
}

} // namespace

std::vector<sWindowResult> ComparePerformances(std::span<const sMidiEvent> pupil,
                                               std::int32_t pupilLength,
                                               std::span<sMidiEvent> source,
                                               sCompareProgress& progress, WindowSearch search) {
    ClearAlignment(source);
    std::vector<sWindowResult> windows;
    sVoiceState pupilState, sourceState;
    for (std::int64_t w = 0;; w += kWindowMs) {
        progress.windowStart = Saturated(w);
        pupilState.time = w;
        const sWindowStart start{pupil, source, pupilState, sourceState};
        const sBestPair best = search(start, progress);
        if (best.stopped) break;
        const float score = RecordWindow(start, source, best, pupilState, sourceState);
        windows.push_back({int(Saturated(w)), best.shift, best.tempoPercent, score});
        if (pupilLength < w + kWindowMs || progress.stop) break;
    }
    return windows;
}

} // namespace midi
