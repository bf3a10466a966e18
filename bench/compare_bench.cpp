// Times the comparison of a one-minute piece with a pupil who plays it a
// little faster and late: the whole comparison, and one window of the
// literal search for scale.

#include "midi/comparison.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Note {
    int start, length, pitch, channel;
};

// A minute of melody over a held bass, about five notes a second.
std::vector<Note> Piece() {
    std::mt19937 random(2026);
    std::vector<Note> notes;
    for (int t = 0; t < 60000; t += 1000) notes.push_back({t, 950, 36 + int(random() % 12), 1});
    for (int t = 100; t < 60000; t += 120 + int(random() % 160))
        notes.push_back({t, 80 + int(random() % 400), 55 + int(random() % 24), 0});
    return notes;
}

std::vector<midi::sMidiEvent> Perform(const std::vector<Note>& notes, int percent, int delay) {
    std::vector<midi::sMidiEvent> events;
    auto add = [&](int time, int status, int note, int velocity) {
        midi::sMidiEvent e;
        e.status = std::uint8_t(status);
        e.data1 = std::uint8_t(note);
        e.data2 = std::uint8_t(velocity);
        e.time = e.alignedTime = time * 100 / percent + delay;
        events.push_back(e);
    };
    for (const Note& n : notes) {
        add(n.start, 0x90 | n.channel, n.pitch, 80);
        add(n.start + n.length, 0x80 | n.channel, n.pitch, 0);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const auto& a, const auto& b) { return a.time < b.time; });
    return events;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    const auto notes = Piece();
    const auto source = Perform(notes, 100, 0);
    const auto pupil = Perform(notes, 104, 150);
    const int length = pupil.back().time;

    std::vector<double> runs;
    std::size_t windows = 0;
    for (int run = 0; run < 5; ++run) {
        auto aligned = source;
        midi::sCompareProgress progress;
        const auto start = Clock::now();
        windows = midi::ComparePerformances(pupil, length, aligned, progress).size();
        runs.push_back(Seconds(Clock::now() - start));
    }
    std::sort(runs.begin(), runs.end());
    const double median = runs[runs.size() / 2];
    std::printf("compare: %zu events vs %zu events, %zu windows\n", source.size(), pupil.size(),
                windows);
    std::printf("compare: total %.3f s (median of %zu, best %.3f s), %.2f ms per window\n", median,
                runs.size(), runs.front(), 1000 * median / double(windows));

    midi::sWindowStart first{pupil, source, {}, {}};
    midi::sCompareProgress progress;
    const auto start = Clock::now();
    midi::SearchWindowReference(first, progress);
    std::printf("compare: literal search %.2f ms per window\n",
                1000 * Seconds(Clock::now() - start));
}
