#include "midi/comparison.h"
#include "performance_builder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace midi {
namespace {

using namespace midi::testing;

std::vector<sWindowResult> Compare(const std::vector<sMidiEvent>& pupil,
                                   std::vector<sMidiEvent>& source,
                                   WindowSearch search = SearchWindow) {
    sCompareProgress progress;
    return ComparePerformances(pupil, pupil.back().time, source, progress, search);
}

TEST(Comparison, IdenticalPerformancesMatchAtNoShiftAndFullTempo) {
    const std::vector<sMidiEvent> pupil = Play(Melody(7, 24));
    std::vector<sMidiEvent> source = pupil;
    const auto windows = Compare(pupil, source);
    ASSERT_EQ(windows.size(), std::size_t(pupil.back().time / kWindowMs + 1));
    for (const sWindowResult& w : windows) {
        EXPECT_EQ(w.shift, 0) << w.start;
        EXPECT_EQ(w.tempoPercent, 100) << w.start;
        EXPECT_EQ(w.score, 0.0f) << w.start;
    }
    for (const sMidiEvent& e : source) {
        EXPECT_EQ(e.alignedTime, e.time);
        EXPECT_EQ(e.tempoPercent, 100);
    }
}

TEST(Comparison, ASilentWindowFallsToTheFirstPairInSearchOrder) {
    std::vector<sMidiEvent> pupil = Play({{100, 200, 60}, {450, 300, 64}, {900, 150, 67}}, 5000);
    // A marker in the silence, to see what the silent window records.
    pupil.insert(pupil.end() - 1, Event(2300, 0xFF, 0x06));
    std::vector<sMidiEvent> source = pupil;
    const auto windows = Compare(pupil, source);
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0].shift, 0);
    EXPECT_EQ(windows[0].tempoPercent, 100);
    for (int w : {1, 2}) {
        EXPECT_EQ(windows[w].shift, -100);
        EXPECT_EQ(windows[w].tempoPercent, 40);
    }
    // The source stands at 2000 ms and moves 700 ms in the window; it meets
    // the marker when the pupil's performance is at 3000 ms.
    const sMidiEvent& marker = source[source.size() - 2];
    EXPECT_EQ(marker.alignedTime, 3000);
    EXPECT_EQ(marker.shift, -100);
    EXPECT_EQ(marker.tempoPercent, 40);
    EXPECT_EQ(marker.score, 0.0f);
}

TEST(Comparison, EachWindowScoresTheLastSourceEventItConsumed) {
    const std::vector<sMidiEvent> pupil = Play(Faster(Melody(3, 14), 90, 40));
    std::vector<sMidiEvent> source = Play(Melody(3, 14));
    const auto windows = Compare(pupil, source);
    std::vector<float> scored;
    for (const sMidiEvent& e : source) {
        if (e.score >= 0) scored.push_back(e.score);
    }
    ASSERT_EQ(scored.size(), windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) EXPECT_EQ(scored[i], windows[i].score);
    EXPECT_GT(windows[0].score, -1.0f);
}

TEST(Comparison, APerformanceShorterThanAWindowGivesOneWindow) {
    for (std::int32_t end : {0, 1500, 1999}) {
        const std::vector<sMidiEvent> pupil = Play({{100, 200, 60}}, end);
        std::vector<sMidiEvent> source = pupil;
        EXPECT_EQ(Compare(pupil, source).size(), 1u) << end;
    }
    const std::vector<sMidiEvent> nothing;
    std::vector<sMidiEvent> source = Play({{100, 200, 60}});
    sCompareProgress progress;
    EXPECT_EQ(ComparePerformances(nothing, 0, source, progress).size(), 1u);
}

TEST(Comparison, AnotherComparisonForgetsTheAlignmentOfTheLast) {
    const std::vector<sMidiEvent> longPupil = Play(Melody(5, 20));
    std::vector<sMidiEvent> source = longPupil;
    Compare(longPupil, source);
    const std::vector<sMidiEvent> shortPupil = Play({{100, 200, 60}});
    Compare(shortPupil, source);
    int scored = 0;
    for (const sMidiEvent& e : source) scored += e.score >= 0;
    EXPECT_EQ(scored, 1);
    EXPECT_EQ(source.back().alignedTime, source.back().time);
}

TEST(Comparison, StopsWhenAsked) {
    const std::vector<sMidiEvent> pupil = Play(Melody(2, 30));
    std::vector<sMidiEvent> source = pupil;
    sCompareProgress progress;
    progress.stop = true;
    EXPECT_TRUE(ComparePerformances(pupil, pupil.back().time, source, progress).empty());
}

// The fast search must give the literal one's answer, ties included.
void ExpectSameAsReference(const std::vector<sMidiEvent>& pupil,
                           const std::vector<sMidiEvent>& original) {
    std::vector<sMidiEvent> fast = original, literal = original;
    const auto fastWindows = Compare(pupil, fast);
    const auto literalWindows = Compare(pupil, literal, SearchWindowReference);
    ASSERT_EQ(fastWindows.size(), literalWindows.size());
    for (std::size_t i = 0; i < fastWindows.size(); ++i) {
        EXPECT_EQ(fastWindows[i].shift, literalWindows[i].shift) << i;
        EXPECT_EQ(fastWindows[i].tempoPercent, literalWindows[i].tempoPercent) << i;
        EXPECT_EQ(fastWindows[i].score, literalWindows[i].score) << i;
    }
    EXPECT_EQ(std::memcmp(fast.data(), literal.data(), fast.size() * sizeof(sMidiEvent)), 0);
}

TEST(Comparison, FastSearchAgreesWithTheLiteralOne) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        const auto notes = Melody(seed, 12);
        ExpectSameAsReference(Play(Faster(notes, 80 + 10 * int(seed), 30 * int(seed))),
                              Play(notes));
        ExpectSameAsReference(Play(Melody(seed + 50, 10)), Play(notes));
    }
}

TEST(Comparison, FastSearchAgreesWhenVoicesRunOut) {
    // Long notes 40 to 80 ms apart: more than sixteen sound at once.
    auto dense = Melody(11, 60, 40);
    for (Note& n : dense) n.length += 900;
    ExpectSameAsReference(Play(Faster(dense, 120, -20)), Play(dense));
}

TEST(Comparison, FastSearchAgreesOnTiesAndEmptySides) {
    const std::vector<sMidiEvent> held = Play({{0, 3500, 60}});
    ExpectSameAsReference(held, held);
    ExpectSameAsReference(held, Play({}, 200));
    ExpectSameAsReference(Play({}, 2500), held);
}

} // namespace
} // namespace midi
