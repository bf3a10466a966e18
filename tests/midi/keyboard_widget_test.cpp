#include "midi/control_class.h"
#include "midi/keyboard_layout.h"
#include "midi/tonmark.h"
#include "midi_builder.h"
#include "platform/ticks.h"
#include "recording_device.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace midi {
namespace {

using namespace midi::testing;

QColor ToQColor(KeyColour c) {
    return QColor(c.r, c.g, c.b);
}

QPoint CentreOf(int key) {
    const KeyRect r = MakeKeys()[key].rect;
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

class KeyboardWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        widget.reset(tonmark::CreateControl("MIDI_KB", nullptr));
        ASSERT_TRUE(widget);
        widget->resize(widget->sizeHint());
        const Bytes tune = SingleTrackFile(TrackBuilder()
                                               .Event(0, {0x90, 60, 100})
                                               .Event(0, {0x90, 61, 100})
                                               .Event(100, {0x90, 61, 0})
                                               .EndOfTrack(100),
                                           kMillisecondDivision);
        const sMemFile data{tune.data(), int(tune.size())};
        ASSERT_EQ(ConnectDataMemFile(widget.get(), &data), 0);
        ASSERT_EQ(SetMaper(widget.get(), &output.handle), 1);
    }

    QImage Picture() { return widget->grab().toImage(); }

    RecordingOutput output;
    std::unique_ptr<QWidget> widget;
};

TEST(ControlClasses, KeyboardsAreMadeByClassName) {
    std::unique_ptr<QWidget> keyboard(tonmark::CreateControl("MIDI_KB", nullptr));
    ASSERT_TRUE(keyboard);
    EXPECT_EQ(keyboard->sizeHint(), QSize(432, 32));
    EXPECT_EQ(tonmark::CreateControl("NO_SUCH_CLASS", nullptr), nullptr);
    EXPECT_EQ(tonmark::CreateControl(nullptr, nullptr), nullptr);
}

TEST(ExportedCalls, AnythingButALiveKeyboardIsRefused) {
    QWidget plain;
    platform::MidiOutHandle handle{};
    const sMemFile data{"MThd", 4};
    for (void* window : {static_cast<void*>(&plain), static_cast<void*>(nullptr)}) {
        EXPECT_EQ(ConnectDataFile(window, "x.mid"), -1);
        EXPECT_EQ(ConnectDataMemFile(window, &data), -1);
        EXPECT_EQ(SetStartPosition(window, 0), -1);
        EXPECT_EQ(SetPosition(window, 0), -1);
        EXPECT_EQ(SetPlayingStatus(window, 0, 0, 0, 0, 1, 0, 0, &handle), -1);
        EXPECT_EQ(GetTimeLength(window), 0);
        EXPECT_EQ(SetCompared(window, window), -1);
        EXPECT_EQ(SetMaper(window, &handle), -1);
    }
    QWidget* keyboard = tonmark::CreateControl("MIDI_KB", nullptr);
    EXPECT_EQ(SetPosition(keyboard, 0), 0);
    delete keyboard;
    EXPECT_EQ(SetPosition(keyboard, 0), -1);
    TonmarkEntry();
}

TEST_F(KeyboardWidgetTest, IdleKeysFrameAndBackground) {
    const QImage picture = Picture();
    EXPECT_EQ(picture.pixelColor(CentreOf(60)), ToQColor(kWhiteKeyColour));
    EXPECT_EQ(picture.pixelColor(CentreOf(61)), ToQColor(kBlackKeyColour));
    // Outlines in black, the frame in the black-key colour.
    const KeyRect c = MakeKeys()[60].rect;
    EXPECT_EQ(picture.pixelColor(c.left, c.top + 5), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(c.right - 1, c.top + 5), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(2, 31), ToQColor(kBlackKeyColour));
    EXPECT_EQ(picture.pixelColor(429, 20), ToQColor(kBlackKeyColour));
    EXPECT_EQ(picture.pixelColor(431, 20), ToQColor(kBackgroundColour));
}

TEST_F(KeyboardWidgetTest, SoundingKeysLightAndRelease) {
    EXPECT_EQ(SetPosition(widget.get(), 50), 50);
    QImage picture = Picture();
    EXPECT_EQ(picture.pixelColor(CentreOf(60)), ToQColor(kSoundingColour));
    EXPECT_EQ(picture.pixelColor(CentreOf(61)), ToQColor(kSoundingColour));
    EXPECT_EQ(picture.pixelColor(CentreOf(62)), ToQColor(kWhiteKeyColour));
    EXPECT_EQ(SetPosition(widget.get(), 150), 150);
    picture = Picture();
    EXPECT_EQ(picture.pixelColor(CentreOf(61)), ToQColor(kBlackKeyColour));
    EXPECT_EQ(output.device->messages().size(), 3u);
    SetStartPosition(widget.get(), 0);
    EXPECT_EQ(Picture().pixelColor(CentreOf(60)), ToQColor(kWhiteKeyColour));
}

TEST_F(KeyboardWidgetTest, ThePlayerThreadsRepaintsReachTheWidget) {
    widget->show();
    PaintCounter counter;
    widget->installEventFilter(&counter);
    QApplication::processEvents();
    const int before = counter.paints;
    SetPlayingStatus(widget.get(), platform::TickCount(), 0, 200, 0, 1, 0, 0, &output.handle);
    QElapsedTimer waited;
    waited.start();
    while (output.device->messages().size() < 3 && waited.elapsed() < 2000)
        QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(output.device->messages().size(), 3u);
    EXPECT_GT(counter.paints, before);
    SetPlayingStatus(widget.get(), platform::TickCount(), 0, 0, 0, 0, 0, 0, nullptr);
}

} // namespace
} // namespace midi
