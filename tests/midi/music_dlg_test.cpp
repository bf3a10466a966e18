#include "app/music_dlg.h"
#include "midi/tonmark.h"
#include "midi_builder.h"
#include "platform/message_box.h"
#include "platform/midi_mapper.h"
#include "platform/paths.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace midi::testing;
namespace fs = std::filesystem;

// Runs each test in a start-up directory of its own and captures the boxes.
class MusicDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir = platform::CurrentDirectory();
        dir = fs::temp_directory_path() / ("tonmark_music_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "Sounds");
        ASSERT_TRUE(platform::ChangeDirectory(dir.string()));
        previousHandler = platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string&, int) {
                boxes.push_back(text);
                return int(platform::kIdOk);
            });
    }
    void TearDown() override {
        platform::SetMessageBoxHandler(previousHandler);
        platform::ChangeDirectory(previousDir);
        fs::remove_all(dir);
    }

    void WriteTune(int lengthMs) {
        const Bytes tune = SingleTrackFile(
            TrackBuilder().Event(0, {0x90, 36, 100}).Event(lengthMs, {0x80, 36, 0}).EndOfTrack(),
            kMillisecondDivision);
        std::ofstream(dir / "Sounds" / "SONAT_A1.MID", std::ios::binary)
            .write(reinterpret_cast<const char*>(tune.data()), std::streamsize(tune.size()));
    }

    static void ProcessEventsFor(int ms) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    fs::path dir;
    std::string previousDir;
    platform::MessageBoxHandler previousHandler;
    std::vector<std::string> boxes;
};

TEST_F(MusicDialogTest, AMissingTuneIsReportedOnceAndPlaysEmpty) {
    CMusicDlg dialog;
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Music");
    ASSERT_NE(dialog.keyboard(), nullptr);
    EXPECT_EQ(boxes, std::vector<std::string>{"Error = -1"});
    dialog.StartMusic();
    EXPECT_EQ(dialog.length(), 0);
    EXPECT_TRUE(dialog.playing());
    dialog.StopMusic();
    EXPECT_FALSE(dialog.playing());
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(MusicDialogTest, TheTunePlaysAndLoopsAfterItsEnd) {
    WriteTune(200);
    CMusicDlg dialog;
    EXPECT_TRUE(boxes.empty());
    dialog.StartMusic();
    EXPECT_EQ(dialog.length(), 200);
    const auto firstStart = dialog.startTick();
    ProcessEventsFor(1200);
    EXPECT_NE(dialog.startTick(), firstStart);
    EXPECT_TRUE(dialog.playing());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MusicDialogTest, WithoutAMapperTheKeysStillFollow) {
    WriteTune(500);
    platform::SetSoundFontDirectory("/nonexistent");
    CMusicDlg dialog;
    dialog.StartMusic();
    platform::SetSoundFontDirectory("/usr/share/sounds/sf2");
    EXPECT_EQ(boxes, std::vector<std::string>{"Error opening Mapper"});
    ProcessEventsFor(100);
    const QImage picture = dialog.keyboard()->grab().toImage();
    // Key 36 sits at x 132..137 in the lower band.
    EXPECT_EQ(picture.pixelColor(135, 22), QColor(255, 255, 55));
}

} // namespace
