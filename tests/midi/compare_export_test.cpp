#include "midi/control_class.h"
#include "midi/tonmark.h"
#include "performance_builder.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace midi {
namespace {

using namespace midi::testing;

std::unique_ptr<QWidget> Keyboard(const Bytes& file) {
    std::unique_ptr<QWidget> widget(tonmark::CreateControl("MIDI_KB", nullptr));
    const sMemFile data{file.data(), int(file.size())};
    EXPECT_EQ(ConnectDataMemFile(widget.get(), &data), 0);
    return widget;
}

TEST(CompareExports, WindowsThatAreNoKeyboardGiveMinusOne) {
    const auto keyboard = Keyboard(FileOf(Play({{0, 100, 60}})));
    int notAControl = 0;
    sEstimate estimate{.from = 0, .to = 1000};
    EXPECT_EQ(MakeComparingWith(&notAControl, keyboard.get()), -1);
    EXPECT_EQ(MakeComparingWith(keyboard.get(), nullptr), -1);
    EXPECT_EQ(GetEstimateStatus(&notAControl, &estimate), -1);
}

TEST(CompareExports, EstimatesAnUncomparedKeyboardAtFullTempo) {
    const auto keyboard = Keyboard(FileOf(Play(Melody(1, 6))));
    sEstimate estimate{.from = 0, .to = 100000};
    EXPECT_EQ(GetEstimateStatus(keyboard.get(), &estimate), -1);
    EXPECT_EQ(estimate.averageTempo, 100.0f);
}

TEST(CompareExports, ComparesAndReportsInTheHomeFolder) {
    const auto home = std::filesystem::path(::testing::TempDir()) / "compare_export_home";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home);
    const std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.c_str(), 1);

    const auto notes = Melody(6, 10);
    const auto source = Keyboard(FileOf(Play(notes)));
    const auto pupil = Keyboard(FileOf(Play(Faster(notes, 105, 0))));
    QTimer::singleShot(800, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        dialog->findChild<QPushButton*>("1")->click();
    });
    EXPECT_EQ(MakeComparingWith(source.get(), pupil.get()), 1);
    sEstimate estimate{.from = 0, .to = 100000};
    EXPECT_EQ(GetEstimateStatus(source.get(), &estimate), 0);
    EXPECT_GE(estimate.averageScore, 0.0f);
    EXPECT_TRUE(std::filesystem::exists(home / "mail" / "RprtMidi.txt"));

    setenv("HOME", previousHome.c_str(), 1);
    std::filesystem::remove_all(home);
}

} // namespace
} // namespace midi
