#include "midi/compare_job.h"
#include "midi/compare_report.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "performance_builder.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>

namespace midi {
namespace {

using namespace midi::testing;

// Two registered controls, as two keyboard windows would be.
class CompareJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        report = std::filesystem::path(::testing::TempDir()) / "compare_job_test.txt";
        std::filesystem::remove(report);
        SetReportPath(report.string());
        previousBox = platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string&, int) {
                boxes.push_back(text);
                return int(platform::kIdOk);
            });
        std::lock_guard lock(ComponentMutex());
        RegisterControl(&source, &source);
        RegisterControl(&pupil, &pupil);
    }
    void TearDown() override {
        {
            std::lock_guard lock(ComponentMutex());
            UnregisterControl(&source);
            UnregisterControl(&pupil);
        }
        platform::SetMessageBoxHandler(previousBox);
        SetReportPath({});
        std::filesystem::remove(report);
    }
    void Load(CMidiKeyboard& control, const Bytes& bytes) {
        std::lock_guard lock(ComponentMutex());
        ASSERT_EQ(control.file().LoadMemory(bytes.data(), int(bytes.size())), kLoaded);
    }
    static void WaitFor(const CompareJob& job) {
        for (int i = 0; i < 500 && !job.finished(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(job.finished());
    }

    CMidiKeyboard source, pupil;
    std::filesystem::path report;
    std::vector<std::string> boxes;
    platform::MessageBoxHandler previousBox;
};

TEST_F(CompareJobTest, AlignsTheSourceControlAndWritesTheReport) {
    const auto notes = Melody(4, 12);
    Load(source, FileOf(Play(notes)));
    Load(pupil, FileOf(Play(Faster(notes, 110, 20))));
    CompareJob job(&source, &pupil);
    job.Start();
    WaitFor(job);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(job.pupilLength(), pupil.file().lastEventTime());
    std::lock_guard lock(ComponentMutex());
    int scored = 0;
    for (const sMidiEvent& e : source.file().FirstTrack()) scored += e.score >= 0;
    EXPECT_EQ(scored, int(job.windows().size()));
    EXPECT_TRUE(std::filesystem::exists(report));
}

TEST_F(CompareJobTest, RefusesFilesOfOtherThanOneTrack) {
    Bytes twoTracks = Header(2, kMillisecondDivision);
    AppendTrack(twoTracks, TrackBuilder().EndOfTrack());
    AppendTrack(twoTracks, TrackBuilder().EndOfTrack());
    Load(source, FileOf(Play({{0, 100, 60}})));
    Load(pupil, twoTracks);
    CompareJob job(&source, &pupil);
    job.Start();
    EXPECT_TRUE(job.finished());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "this test work with one trek only");
    EXPECT_FALSE(std::filesystem::exists(report));
}

TEST_F(CompareJobTest, LeavesASourceThatWasReloadedMeanwhileAlone) {
    const auto notes = Melody(9, 40);
    Load(source, FileOf(Play(notes)));
    Load(pupil, FileOf(Play(notes)));
    CompareJob job(&source, &pupil);
    job.Start();
    Load(source, FileOf(Play({{0, 100, 60}})));
    job.Stop();
    std::lock_guard lock(ComponentMutex());
    for (const sMidiEvent& e : source.file().FirstTrack()) EXPECT_EQ(e.score, -1.0f);
}

} // namespace
} // namespace midi
