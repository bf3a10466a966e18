#include "midi/keyboard_api.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "midi/player.h"
#include "midi_builder.h"
#include "platform/message_box.h"
#include "recording_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace midi {
namespace {

using namespace midi::testing;

// A registered control, as a window would hold one.
struct TestControl {
    TestControl() {
        std::lock_guard lock(ComponentMutex());
        RegisterControl(handle(), &keyboard);
    }
    ~TestControl() {
        std::lock_guard lock(ComponentMutex());
        UnregisterControl(handle());
    }
    ControlHandle handle() { return &keyboard; }
    int Load(const Bytes& bytes) {
        const sMemFile data{bytes.data(), int(bytes.size())};
        return api::ConnectDataMemFile(handle(), &data);
    }

    CMidiKeyboard keyboard;
};

// Notes every 60 ms from 0 to 300 ms, then the end of the track at 360 ms.
Bytes Scale() {
    TrackBuilder track;
    for (int i = 0; i < 6; ++i) track.Event(i == 0 ? 0 : 60, {0x90, std::uint8_t(60 + i), 90});
    track.EndOfTrack(60);
    return SingleTrackFile(track, kMillisecondDivision);
}

void WaitUntilStopped() {
    for (int i = 0; i < 200; ++i) {
        {
            std::lock_guard lock(ComponentMutex());
            if (!Player::Instance().running()) return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    FAIL() << "the player did not stop";
}

int Playing() {
    std::lock_guard lock(ComponentMutex());
    return ProcessPlayState().playing;
}

TEST(ControlHandles, UnknownWindowsAreRefused) {
    int dummy = 0;
    void* stranger = &dummy;
    const sMemFile data{"MThd", 4};
    platform::MidiOutHandle handle{};
    EXPECT_EQ(api::ConnectDataFile(stranger, "x.mid"), -1);
    EXPECT_EQ(api::ConnectDataMemFile(stranger, &data), -1);
    EXPECT_EQ(api::SetStartPosition(stranger, 10), -1);
    EXPECT_EQ(api::SetPosition(stranger, 10), -1);
    EXPECT_EQ(api::SetPlayingStatus(stranger, 0, 0, 100, 0, 1, 0, 0, &handle), -1);
    EXPECT_EQ(api::GetTimeLength(stranger), 0);
    EXPECT_EQ(api::SetCompared(stranger, nullptr), -1);
    EXPECT_EQ(api::SetMaper(stranger, &handle), -1);
    EXPECT_EQ(api::GetTimeLength(nullptr), 0);

    TestControl control;
    EXPECT_EQ(api::SetCompared(control.handle(), stranger), 1);
    EXPECT_EQ(control.keyboard.compared(), nullptr);
    EXPECT_EQ(api::SetMaper(control.handle(), &handle), 1);
    EXPECT_EQ(api::ConnectDataMemFile(control.handle(), nullptr), kCannotOpen);
}

TEST(ControlHandles, ADestroyedControlIsForgotten) {
    auto first = std::make_unique<TestControl>();
    TestControl second;
    void* gone = first->handle();
    api::SetCompared(second.handle(), gone);
    EXPECT_EQ(second.keyboard.compared(), &first->keyboard);
    first.reset();
    EXPECT_EQ(second.keyboard.compared(), nullptr);
    EXPECT_EQ(api::SetPosition(gone, 5), -1);
}

TEST(Loading, ATwoTrackFileWarnsOnceAndLoadsBoth) {
    std::vector<std::string> boxes;
    auto previous =
        platform::SetMessageBoxHandler([&](const std::string& text, const std::string&, int) {
            boxes.push_back(text);
            return int(platform::kIdOk);
        });
    TestControl control;
    Bytes file = Header(2);
    AppendTrack(file, TrackBuilder().Event(0, {0x90, 60, 1}).EndOfTrack(480));
    AppendTrack(file, TrackBuilder().Event(0, {0x90, 61, 1}).EndOfTrack(960));
    EXPECT_EQ(control.Load(file), kLoaded);
    platform::SetMessageBoxHandler(previous);
    EXPECT_EQ(boxes, std::vector<std::string>{kOneTrackWarning});
    EXPECT_EQ(control.keyboard.file().tracks().size(), 2u);
    EXPECT_EQ(api::GetTimeLength(control.handle()), 500); // the first track's
}

TEST(PlayerPasses, EachPassSendsWhatIsDueAndTheEndStops) {
    TestControl control;
    RecordingOutput output;
    ASSERT_EQ(control.Load(Scale()), kLoaded);
    ASSERT_EQ(api::SetPlayingStatus(control.handle(), 1000, 0, 130, 0, 1, 0, 0, &output.handle), 0);
    std::lock_guard lock(ComponentMutex());
    Player& player = Player::Instance();
    EXPECT_TRUE(player.Pass(1030)); // 30 ms: the note at 0
    EXPECT_EQ(output.device->messages().size(), 1u);
    EXPECT_TRUE(player.Pass(1121)); // 121 ms: notes at 60 and 120
    EXPECT_EQ(output.device->messages().size(), 3u);
    EXPECT_EQ(ProcessPlayState().currentPosition, 121);
    EXPECT_EQ(ProcessPlayState().playing, 1);
    EXPECT_TRUE(player.Pass(1151)); // past the end position, events remain
    EXPECT_EQ(ProcessPlayState().playing, 0);
    EXPECT_EQ(output.device->messages().size(), 3u);
    EXPECT_FALSE(player.Pass(1181));
}

TEST(PlayerPasses, TheLastEventAtTheEndPositionIsStillSent) {
    TestControl control;
    RecordingOutput output;
    ASSERT_EQ(control.Load(Scale()), kLoaded);
    const int length = api::GetTimeLength(control.handle());
    ASSERT_EQ(length, 360);
    api::SetPlayingStatus(control.handle(), 0, 0, 300, 0, 1, 0, 0, &output.handle);
    std::lock_guard lock(ComponentMutex());
    EXPECT_TRUE(Player::Instance().Pass(301));
    EXPECT_EQ(output.device->messages().size(), 6u);
    EXPECT_EQ(ProcessPlayState().playing, 0);
}

TEST(PlayerPasses, StartPositionShiftsTheClock) {
    TestControl control;
    RecordingOutput output;
    ASSERT_EQ(control.Load(Scale()), kLoaded);
    api::SetPlayingStatus(control.handle(), 5000, 200, 360, 0, 1, 0, 0, &output.handle);
    std::lock_guard lock(ComponentMutex());
    EXPECT_EQ(control.keyboard.cursor(), 4); // the note at 240
    Player::Instance().Pass(5041);
    EXPECT_EQ(output.device->messages(), std::vector<std::uint32_t>{0x005A4090});
}

TEST(Playback, RealTimeMessagesArriveInTheirWindowAndStopAtTheEnd) {
    TestControl control;
    RecordingOutput output;
    ASSERT_EQ(control.Load(Scale()), kLoaded);
    const std::uint32_t start = platform::TickCount();
    api::SetPlayingStatus(control.handle(), start, 0, 360, 0, 1, 0, 0, &output.handle);
    WaitUntilStopped();
    const auto sent = output.device->sent();
    ASSERT_EQ(sent.size(), 6u);
    const auto& events = control.keyboard.file().FirstTrack();
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].message, ShortMessage(events[i]));
        const std::int64_t late = std::int64_t(sent[i].tick - start) - events[i].time;
        EXPECT_GE(late, 0) << i;
        // One wake-up period, plus room for a loaded machine.
        EXPECT_LE(late, kPlayerWakeMs + 40) << i;
    }
    EXPECT_EQ(Playing(), 0);
}

TEST(Playback, StoppingAndRestartingQuicklyKeepsOnePlayer) {
    TestControl control;
    RecordingOutput output;
    ASSERT_EQ(control.Load(Scale()), kLoaded);
    api::SetPlayingStatus(control.handle(), platform::TickCount(), 0, 360, 0, 1, 0, 0,
                          &output.handle);
    api::SetPlayingStatus(control.handle(), platform::TickCount(), 0, 0, 0, 0, 0, 0, nullptr);
    EXPECT_EQ(control.keyboard.output(), nullptr);
    api::SetPlayingStatus(control.handle(), platform::TickCount(), 0, 360, 0, 1, 0, 0,
                          &output.handle);
    WaitUntilStopped();
    // One pass sequence: each note exactly once.
    EXPECT_EQ(output.device->sent().size(), 6u);
}

TEST(Playback, DestroyingThePlayingControlEndsPlayback) {
    RecordingOutput output;
    {
        TestControl control;
        ASSERT_EQ(control.Load(Scale()), kLoaded);
        api::SetPlayingStatus(control.handle(), platform::TickCount(), 0, 360, 0, 1, 0, 0,
                              &output.handle);
    }
    EXPECT_EQ(Playing(), 0);
    WaitUntilStopped();
}

TEST(Playback, AlignedModeMovesTheRangeOntoTheFilesTimeLine) {
    TestControl control;
    TestControl other;
    ASSERT_EQ(control.Load(Scale()), kLoaded);
    {
        std::lock_guard lock(ComponentMutex());
        auto events = control.keyboard.file().FirstTrack();
        for (auto& e : events) e.alignedTime = e.time * 2;
    }
    api::SetCompared(control.handle(), other.handle());
    api::SetPlayingStatus(control.handle(), 0, 250, 500, 0, 0, 1, 0, nullptr);
    std::lock_guard lock(ComponentMutex());
    EXPECT_EQ(ProcessPlayState().startPosition, 120); // last aligned below 250 is 240
    EXPECT_EQ(ProcessPlayState().endPosition, 300);   // first aligned above 500 is 600
}

} // namespace
} // namespace midi
