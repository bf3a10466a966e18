#include "midi/compare_dialog.h"
#include "midi/compare_report.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "performance_builder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>

namespace midi {
namespace {

using namespace midi::testing;

template <typename Widget> Widget* Child(QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QString::number(id));
}

std::atomic<bool> searchRunning{false};

// A search that never ends by itself: only a stop request ends it.
sBestPair EndlessSearch(const sWindowStart&, sCompareProgress& progress) {
    searchRunning = true;
    while (!progress.stop) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    searchRunning = false;
    return {.stopped = true};
}

class CompareDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        report = std::filesystem::path(::testing::TempDir()) / "compare_dialog_test.txt";
        std::filesystem::remove(report);
        SetReportPath(report.string());
        const auto notes = Melody(8, 16);
        std::lock_guard lock(ComponentMutex());
        for (auto [control, file] : {std::pair{&source, FileOf(Play(notes))},
                                     std::pair{&pupil, FileOf(Play(Faster(notes, 95, 10)))}}) {
            ASSERT_EQ(control->file().LoadMemory(file.data(), int(file.size())), kLoaded);
            RegisterControl(control, control);
        }
    }
    void TearDown() override {
        {
            std::lock_guard lock(ComponentMutex());
            UnregisterControl(&source);
            UnregisterControl(&pupil);
        }
        SetReportPath({});
        std::filesystem::remove(report);
    }

    CMidiKeyboard source, pupil;
    std::filesystem::path report;
};

TEST_F(CompareDialogTest, HasItsCaptionButtonsBarsAndText) {
    CompareDialog dialog(&source, &pupil);
    EXPECT_EQ(dialog.windowTitle(), "Performing of test");
    QPushButton* ok = Child<QPushButton>(dialog, 1);
    QPushButton* cancel = Child<QPushButton>(dialog, 2);
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(cancel->text(), "Cancel");
    QProgressBar* windows = Child<QProgressBar>(dialog, CompareDialog::kWindowBarId);
    QProgressBar* shifts = Child<QProgressBar>(dialog, CompareDialog::kShiftBarId);
    ASSERT_TRUE(windows && shifts);
    EXPECT_EQ(windows->maximum(), pupil.file().lastEventTime() / 1000);
    EXPECT_EQ(shifts->maximum(), 200);
    ASSERT_TRUE(Child<QLabel>(dialog, CompareDialog::kReportTextId));
    EXPECT_EQ(Child<QLabel>(dialog, CompareDialog::kReportTextId)->text(), "Reporting");
}

TEST_F(CompareDialogTest, ShowsTheProgressAndAnswersOk) {
    CompareDialog dialog(&source, &pupil);
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QString text = Child<QLabel>(dialog, CompareDialog::kReportTextId)->text();
        if (!dialog.job().finished() || text == "Reporting") return;
        shown = text;
        Child<QPushButton>(dialog, 1)->click();
    });
    poll.start(150);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    const int lastWindow = dialog.job().windows().back().start;
    EXPECT_EQ(shown, QString("%1    100  ").arg(lastWindow));
    EXPECT_EQ(Child<QProgressBar>(dialog, CompareDialog::kShiftBarId)->value(), 200);
    EXPECT_TRUE(std::filesystem::exists(report));
}

TEST_F(CompareDialogTest, ClosingMidRunStopsTheComparisonBeforeReturning) {
    CompareDialog dialog(&source, &pupil, nullptr, EndlessSearch);
    QTimer::singleShot(200, [&] { Child<QPushButton>(dialog, 2)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(dialog.job().finished());
    EXPECT_FALSE(searchRunning);
    EXPECT_TRUE(dialog.job().windows().empty());
}

} // namespace
} // namespace midi
