#include "midi/comparison.h"

namespace midi {
namespace {

double TrialScore(const sWindowStart& start, int shift, int tempo) {
    sVoiceState pupil = start.pupilState;
    sVoiceState source = start.sourceState;
    double sum = 0;
    for (int k = 0; k < kTrialSamples; ++k) {
        const int elapsed = kSampleStepMs * k;
        ReplayTo(start.pupil, pupil, start.pupilState.time + elapsed);
        ReplayTo(start.source, source, SourceTime(start.sourceState.time, shift, tempo, elapsed));
        sum += SampleValue(CompareVoices(source, pupil));
    }
    return sum * kScorePerSample;
}

} // namespace

sBestPair SearchWindowReference(const sWindowStart& start, sCompareProgress& progress) {
    sBestPair best;
    double bestScore = 100000.0;
    for (int trial = 0; trial < kTrialCount; ++trial) {
        const int shift = TrialShift(trial), tempo = TrialTempo(trial);
        if (trial % kTempoCount == 0) {
            if (progress.stop) return {.stopped = true};
            progress.shift = shift;
        }
        const double score = TrialScore(start, shift, tempo);
        if (score < bestScore) {
            bestScore = score;
            best = {shift, tempo};
        }
    }
    return best;
}

} // namespace midi
