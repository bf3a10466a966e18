#include "midi/compare_report.h"
#include "midi/comparison.h"
#include "midi/estimate.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "performance_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace midi {
namespace {

using namespace midi::testing;

sMidiEvent Aligned(std::int32_t alignedTime, int shift, int tempo, float score = -1.0f) {
    sMidiEvent e = Event(alignedTime, 0x90, 60, 90);
    e.shift = std::int16_t(shift);
    e.tempoPercent = std::int16_t(tempo);
    e.score = score;
    return e;
}

TEST(Estimate, AnUncomparedPerformanceHasTempiButNoScore) {
    const std::vector<sMidiEvent> events = Play(Melody(1, 5));
    sEstimate estimate{.from = 0, .to = 100000};
    EXPECT_EQ(Estimate(events, estimate), kNoScore);
    EXPECT_EQ(estimate.averageTempo, 100.0f);
    EXPECT_EQ(estimate.averageScore, 0.0f);
    EXPECT_EQ(estimate.largestShift, 0.0f);
}

TEST(Estimate, TheLargestShiftKeepsItsSignAndTheFirstOfEqualSizeWins) {
    sEstimate estimate{.from = 0, .to = 5000};
    Estimate(std::vector{Aligned(0, 20, 100), Aligned(10, -100, 100), Aligned(20, 100, 100)},
             estimate);
    EXPECT_EQ(estimate.largestShift, -100.0f);
    Estimate(std::vector{Aligned(0, 100, 100), Aligned(10, -100, 100)}, estimate);
    EXPECT_EQ(estimate.largestShift, 100.0f);
}

TEST(Estimate, AveragesUpToTheFirstWindowScoreAtTheEndOfTheRange) {
    const std::vector<sMidiEvent> events{Aligned(0, -60, 70, 0.9f),    Aligned(500, 0, 100),
                                         Aligned(1000, 20, 110, 0.2f), Aligned(1500, -40, 120),
                                         Aligned(2500, 80, 130, 0.0f), Aligned(3000, 0, 140, 0.7f)};
    sEstimate estimate{.from = 500, .to = 1500};
    EXPECT_EQ(Estimate(events, estimate), kEstimated);
    EXPECT_FLOAT_EQ(estimate.averageScore, 0.1f) << "a perfect window counts as well";
    EXPECT_FLOAT_EQ(estimate.averageTempo, 110.0f);
    EXPECT_EQ(estimate.largestShift, -40.0f);
    EXPECT_EQ(estimate.reserved, 0);

    sEstimate beyond{.from = 4000, .to = 5000};
    EXPECT_EQ(Estimate(events, beyond), kNothingInRange);
    sEstimate negative{.from = -1, .to = 5000};
    EXPECT_EQ(Estimate(events, negative), kNothingInRange) << "times compare unsigned";
}

TEST(Estimate, AHandleThatIsNoControlGivesMinusOne) {
    CMidiKeyboard control;
    {
        std::lock_guard lock(ComponentMutex());
        RegisterControl(&control, &control);
    }
    sEstimate estimate{.from = 0, .to = 100};
    EXPECT_EQ(api::GetEstimateStatus(&estimate, &estimate), kNoScore);
    EXPECT_EQ(api::GetEstimateStatus(&control, nullptr), kNoScore);
    EXPECT_EQ(api::GetEstimateStatus(&control, &estimate), kNothingInRange);
    std::lock_guard lock(ComponentMutex());
    UnregisterControl(&control);
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::path(::testing::TempDir()) / "compare_report_test";
        std::filesystem::remove_all(folder);
    }
    void TearDown() override {
        SetReportPath({});
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
};

TEST_F(ReportTest, ListsEveryEventWithItsAlignment) {
    // The pupil plays the note 40 ms late.
    const std::vector<sMidiEvent> pupil = Play({{140, 200, 60}}, 440);
    MidiFile source;
    const Bytes bytes = FileOf(Play({{100, 200, 60}}, 400));
    ASSERT_EQ(source.LoadMemory(bytes.data(), int(bytes.size())), kLoaded);
    sCompareProgress progress;
    ComparePerformances(pupil, pupil.back().time, source.FirstTrack(), progress);
    EXPECT_EQ(ReportText(source),
              "Table of MIDI Event\r\n"
              "Type = 0, Count Trecks = 1, Count ticks = 500\r\n"
              "0 Treck:\r\n"
              "0000000100 0000000140 0000000000 0144 0060 0090 -0040 0100 -1.000000\r\n"
              "0000000300 0000000340 0000000000 0128 0060 0000 -0040 0100 -1.000000\r\n"
              "0000000400 0000000440 0000000000 0255 0047 0000 -0040 0100 0.000000\r\n");
}

TEST_F(ReportTest, IsWrittenWhereTestsSendItAndMakesItsFolder) {
    const std::string path = (folder / "mail" / "RprtMidi.txt").string();
    SetReportPath(path);
    EXPECT_EQ(ReportPath(), path);
    MidiFile file;
    ASSERT_TRUE(WriteReport(file));
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Table of MIDI Event\r\nType = 0, Count Trecks = 0, Count ticks = 0\r\n");
    EXPECT_FALSE(WriteReport(file, (folder / "mail").string())) << "a folder is in the way";
    SetReportPath({});
    EXPECT_NE(ReportPath(), path);
    EXPECT_TRUE(ReportPath().ends_with("mail/RprtMidi.txt"));
}

} // namespace
} // namespace midi
