#include "midi/comparison.h"

#include <algorithm>
#include <array>
#include <bit>
#include <thread>
#include <vector>

namespace midi {
namespace {

// The pupil sounds the same in every trial of a window. It is replayed once,
// and kept as the stretches of samples over which its voices do not change.
struct PupilStretch {
    int firstSample = 0;
    int activeCount = 0;
    int keyCount = 0;
    std::array<std::uint16_t, kVoiceSlots> keys{}; // distinct channel and note pairs
};

struct PupilSamples {
    std::array<PupilStretch, kTrialSamples + 1> stretches; // the last one only marks the end
    int count = 0;
};

std::uint16_t KeyOf(const sVoiceSlot& v) {
    return std::uint16_t(v.channel << 8 | v.note);
}

PupilStretch StretchOf(const sVoiceState& state, int firstSample) {
    PupilStretch s;
    s.firstSample = firstSample;
    for (const sVoiceSlot& v : state.voices) {
        if (!v.active) continue;
        ++s.activeCount;
        const std::uint16_t key = KeyOf(v);
        const auto known = s.keys.begin() + s.keyCount;
        if (std::find(s.keys.begin(), known, key) == known) s.keys[s.keyCount++] = key;
    }
    return s;
}

void ReplayPupil(const sWindowStart& start, PupilSamples& out) {
    sVoiceState pupil = start.pupilState;
    out.count = 0;
    for (int k = 0; k < kTrialSamples; ++k) {
        bool changed = k == 0;
        ReplayTo(start.pupil, pupil, start.pupilState.time + kSampleStepMs * k,
                 [&](std::size_t) { changed = true; });
        if (changed) out.stretches[out.count++] = StretchOf(pupil, k);
    }
    out.stretches[out.count].firstSample = kTrialSamples;
}

// As CompareVoices with the pupil as partner: each source voice claims the
// first pupil voice of its key, so one claim per distinct key.
float Sample(const sVoiceState& source, const PupilStretch& pupil) {
    sVoiceMismatch m;
    m.partnerCount = 1 + pupil.activeCount;
    unsigned claimed = 0;
    for (const sVoiceSlot& v : source.voices) {
        if (!v.active) continue;
        ++m.ownCount;
        const std::uint16_t key = KeyOf(v);
        int j = 0;
        while (j < pupil.keyCount && pupil.keys[j] != key) ++j;
        if (j < pupil.keyCount) {
            claimed |= 1u << j;
        } else {
            ++m.unmatchedOwn;
        }
    }
    m.unmatchedPartner = pupil.activeCount - std::popcount(claimed);
    return SampleValue(m);
}

class TrialRunner {
public:
    TrialRunner(const sWindowStart& start, const PupilSamples& pupil)
        : start_(start), pupil_(pupil) {}

    // The trial's sum of samples. The state changes only where an event is
    // applied, so each stretch between changes is sampled once and weighted.
    double Sum(int shift, int tempo) const {
        sVoiceState source = start_.sourceState;
        const std::int64_t origin = start_.sourceState.time + shift;
        const auto events = start_.source;
        std::size_t next = std::size_t(source.cursor);
        int nextDue = DueSample(next, origin, tempo, 0);
        int stretch = 0;
        double sum = 0;
        for (int k = 0; k < kTrialSamples;) {
            while (nextDue <= k) {
                ApplyEvent(source, events[next]);
                nextDue = DueSample(++next, origin, tempo, k);
            }
            const int pupilChange = pupil_.stretches[stretch + 1].firstSample;
            const int end = std::min(nextDue, pupilChange);
            sum += double(Sample(source, pupil_.stretches[stretch])) * (end - k);
            if (end == pupilChange) ++stretch;
            k = end;
        }
        return sum;
    }

private:
    // The sample whose replay applies event i: the first at which the source
    // has reached the event's time, and never before the event ahead of it.
    int DueSample(std::size_t i, std::int64_t origin, int tempo, int earliest) const {
        if (i >= start_.source.size()) return kTrialSamples;
        const std::int64_t ahead = start_.source[i].time - origin;
        if (ahead <= 0) return earliest;
        // The first k with floor(tempo * step * k / 100) >= ahead.
        const std::int64_t perSample = std::int64_t(tempo) * kSampleStepMs;
        const std::int64_t k = (ahead * 100 + perSample - 1) / perSample;
        return int(std::clamp<std::int64_t>(k, earliest, kTrialSamples));
    }

    const sWindowStart& start_;
    const PupilSamples& pupil_;
};

int WorkerCount() {
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

} // namespace

sBestPair SearchWindow(const sWindowStart& start, sCompareProgress& progress) {
    PupilSamples pupil;
    ReplayPupil(start, pupil);
    const TrialRunner runner(start, pupil);
    std::array<double, kTrialCount> sums;
    const int workers = WorkerCount();
    // Interleaved, so that the workers share every shift and finish together.
    auto work = [&](int first) {
        for (int trial = first; trial < kTrialCount && !progress.stop; trial += workers) {
            if (first == 0 && trial % kTempoCount < workers) progress.shift = TrialShift(trial);
            sums[trial] = runner.Sum(TrialShift(trial), TrialTempo(trial));
        }
    };
    std::vector<std::jthread> helpers;
    for (int w = 1; w < workers; ++w) helpers.emplace_back(work, w);
    work(0);
    helpers.clear();
    if (progress.stop) return {.stopped = true};
    // Sums are exact, so comparing them orders the trials as their scores do.
    const int best = int(std::min_element(sums.begin(), sums.end()) - sums.begin());
    return {TrialShift(best), TrialTempo(best)};
}

} // namespace midi
