#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "midi_builder.h"
#include "recording_device.h"

#include <gtest/gtest.h>

#include <mutex>

namespace midi {
namespace {

using namespace midi::testing;

class CountingView final : public KeyboardView {
public:
    void InvalidateKey(const KeyRect& rect) override { keys.push_back(rect); }
    void InvalidateAll() override { ++all; }
    std::vector<KeyRect> keys;
    int all = 0;
};

// A note at 0, 100, 200 ms, a tempo event, a release by velocity 0 and a
// note-off, then the end of the track.
Bytes Tune() {
    return SingleTrackFile(TrackBuilder()
                               .Event(0, {0x90, 60, 100})
                               .Event(100, {0x91, 64, 80})
                               .Tempo(0, 500000)
                               .Event(100, {0x90, 60, 0})
                               .Event(100, {0x81, 64, 0})
                               .Event(0, {0x92, 125, 70})
                               .EndOfTrack(100),
                           kMillisecondDivision);
}

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() : keyboard(&view) {
        const Bytes tune = Tune();
        EXPECT_EQ(keyboard.file().LoadMemory(tune.data(), int(tune.size())), kLoaded);
        keyboard.SetOutput(&output.handle);
    }

    std::lock_guard<std::mutex> lock{ComponentMutex()};
    CountingView view;
    CMidiKeyboard keyboard;
    RecordingOutput output;
};

TEST(KeyboardLayout, TenOctavesOfKeysAtTheirPlaces) {
    const auto keys = MakeKeys();
    EXPECT_EQ(keys[0].rect, (KeyRect{6, 15, 12, 30}));
    EXPECT_EQ(keys[1].rect, (KeyRect{10, 0, 14, 15}));
    EXPECT_TRUE(keys[1].isBlack);
    EXPECT_EQ(keys[11].rect, (KeyRect{42, 15, 48, 30}));
    EXPECT_EQ(keys[12].rect, (KeyRect{48, 15, 54, 30}));
    EXPECT_EQ(keys[119].rect, (KeyRect{420, 15, 426, 30}));
    int black = 0;
    const sKey* previousWhite = nullptr;
    for (const sKey& key : keys) {
        black += key.isBlack;
        if (key.isBlack) continue;
        if (previousWhite) {
            EXPECT_EQ(previousWhite->rect.right, key.rect.left);
        }
        previousWhite = &key;
    }
    EXPECT_EQ(black, 50);
}

TEST_F(KeyboardTest, EventsBeforeThePositionAreSentInOrderAndLightKeys) {
    EXPECT_EQ(keyboard.SetPosition(150), 150);
    EXPECT_EQ(output.device->messages(), (std::vector<std::uint32_t>{0x00643C90, 0x00504091}));
    EXPECT_EQ(keyboard.keys()[60].velocity, 100);
    EXPECT_EQ(keyboard.keys()[64].velocity, 80);
    EXPECT_EQ(keyboard.ColourOf(60), kSoundingColour);
    EXPECT_EQ(keyboard.ColourOf(61), kBlackKeyColour);
    EXPECT_EQ(keyboard.ColourOf(62), kWhiteKeyColour);
    EXPECT_EQ(view.keys.size(), 2u);
    EXPECT_EQ(view.keys[0], keyboard.keys()[60].rect);
}

TEST_F(KeyboardTest, VelocityZeroAndNoteOffRelease) {
    keyboard.SetPosition(250);
    EXPECT_EQ(keyboard.keys()[60].velocity, 0);
    EXPECT_EQ(keyboard.keys()[64].velocity, 80);
    keyboard.SetPosition(350);
    EXPECT_EQ(keyboard.keys()[64].velocity, 0);
}

TEST_F(KeyboardTest, PastTheEndEverythingIsSentButMetaEvents) {
    EXPECT_EQ(keyboard.SetPosition(100000), -1);
    const auto sent = output.device->messages();
    ASSERT_EQ(sent.size(), 5u);
    for (std::uint32_t m : sent) EXPECT_NE(m & 0xFF, 0xFFu);
    // Notes above the keyboard are heard but not shown.
    EXPECT_EQ(sent.back(), 0x00467D92u);
}

TEST_F(KeyboardTest, StartPositionClearsKeysAndFindsTheCursor) {
    keyboard.SetPosition(150);
    EXPECT_EQ(keyboard.SetStartPosition(100), 100);
    EXPECT_EQ(keyboard.cursor(), 1);
    EXPECT_EQ(keyboard.keys()[60].velocity, 0);
    EXPECT_EQ(view.all, 1);
    keyboard.SetStartPosition(5000);
    EXPECT_EQ(keyboard.cursor(), 0);
    // Position 0 starts over without a full repaint.
    keyboard.SetStartPosition(150);
    keyboard.SetPosition(0);
    EXPECT_EQ(keyboard.cursor(), 0);
    EXPECT_EQ(view.all, 3);
}

TEST_F(KeyboardTest, WithoutOutputKeysStillFollow) {
    keyboard.SetOutput(nullptr);
    keyboard.SetPosition(150);
    EXPECT_EQ(keyboard.keys()[64].velocity, 80);
    platform::MidiOutHandle closed = platform::kNoMidiOut;
    keyboard.SetOutput(&closed);
    keyboard.SetPosition(250);
    EXPECT_EQ(keyboard.keys()[60].velocity, 0);
    EXPECT_TRUE(output.device->messages().empty());
}

TEST_F(KeyboardTest, TimeLengthIsTheLastEventsTime) {
    EXPECT_EQ(keyboard.TimeLength(), 400);
    CMidiKeyboard empty;
    EXPECT_EQ(empty.TimeLength(), 0);
}

TEST_F(KeyboardTest, MarksShowWhereTheComparedControlDiffers) {
    CMidiKeyboard other;
    const Bytes only64 =
        SingleTrackFile(TrackBuilder().Event(0, {0x90, 64, 80}).Event(0, {0x90, 67, 1}));
    other.file().LoadMemory(only64.data(), int(only64.size()));
    other.SetPosition(10);
    keyboard.SetCompared(&other);
    keyboard.SetMarksEnabled(true);
    keyboard.SetStartPosition(0);
    keyboard.SetPosition(150); // this control now sounds 60 and 64 at 100 and 80
    EXPECT_EQ(keyboard.keys()[60].mark, -1);
    EXPECT_EQ(keyboard.keys()[64].mark, 0);
    EXPECT_EQ(keyboard.keys()[67].mark, +1);
    EXPECT_EQ(keyboard.ColourOf(60), kOnlyThisColour);
    EXPECT_EQ(keyboard.ColourOf(67), kOnlyComparedColour);
    keyboard.SetCompared(nullptr);
    EXPECT_EQ(keyboard.ColourOf(67), kWhiteKeyColour);
}

} // namespace
} // namespace midi
