#pragma once

#include "midi/midi_event.h"
#include "midi/voice_state.h"

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

namespace midi {

// The pupil's performance is judged in windows of 2 s. In each, every pair of
// shift and tempo is tried on 201 samples 10 ms apart, and the pair at which
// the source sounds most like the pupil is replayed once more, sample by
// millisecond, to record the alignment.
inline constexpr int kWindowMs = 2000;
inline constexpr int kSampleStepMs = 10;
inline constexpr int kTrialSamples = kWindowMs / kSampleStepMs + 1;
inline constexpr int kFinalSamples = kWindowMs + 1;
inline constexpr int kFirstShift = -100;
inline constexpr int kShiftStep = 20;
inline constexpr int kShiftCount = 11;
inline constexpr int kFirstTempo = 40; // percent
inline constexpr int kTempoCount = 160;
inline constexpr int kTrialCount = kShiftCount * kTempoCount;
inline constexpr double kScorePerSample = 0.0005;

// Progress the dialog polls, and its request to stop.
struct sCompareProgress {
    std::atomic<int> windowStart{0}; // ms of the pupil's performance
    std::atomic<int> shift{0};       // of the trial under way
    std::atomic<bool> stop{false};
};

// Both performances as they sounded at the start of a window.
struct sWindowStart {
    std::span<const sMidiEvent> pupil;
    std::span<const sMidiEvent> source;
    sVoiceState pupilState;  // its time is the window start
    sVoiceState sourceState; // its time is where the source stood
};

struct sBestPair {
    int shift = 0;
    int tempoPercent = 100;
    bool stopped = false; // the search was asked to stop and has no answer
};

// Trials in search order: shifts -100 to +100 by 20, within each the tempi
// 40 to 199 %; the first of equal scores wins.
constexpr int TrialShift(int trial) {
    return kFirstShift + kShiftStep * (trial / kTempoCount);
}
constexpr int TrialTempo(int trial) {
    return kFirstTempo + trial % kTempoCount;
}

// Where the source stands, shifted and at the tempo, once the pupil's
// performance has gone `elapsed` ms into the window.
constexpr std::int64_t SourceTime(std::int64_t sourceStart, int shift, int tempo, int elapsed) {
    return sourceStart + shift + std::int64_t(tempo) * elapsed / 100;
}

using WindowSearch = sBestPair (*)(const sWindowStart&, sCompareProgress&);

// Event-driven and spread over the cores; gives the reference's answer.
sBestPair SearchWindow(const sWindowStart& start, sCompareProgress& progress);
// Every sample of every trial, replayed as described above.
sBestPair SearchWindowReference(const sWindowStart& start, sCompareProgress& progress);

struct sWindowResult {
    int start = 0; // ms of the pupil's performance
    int shift = 0;
    int tempoPercent = 100;
    float score = 0;
};

// Aligns the source with the pupil's performance, window by window until the
// pupil's last event time; writes each source event's alignment and the
// windows' scores into `source`. Stops early when asked to.
std::vector<sWindowResult> ComparePerformances(std::span<const sMidiEvent> pupil,
                                               std::int32_t pupilLength,
                                               std::span<sMidiEvent> source,
                                               sCompareProgress& progress,
                                               WindowSearch search = SearchWindow);

} // namespace midi
