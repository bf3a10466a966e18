#include "midi/keyboard_api.h"

#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "midi/player.h"
#include "platform/message_box.h"

#include <mutex>

namespace midi::api {
namespace {

constexpr int kNotAControl = -1;

// Runs `call` on the control with the component locked.
template <typename Call> int WithControl(ControlHandle window, int failure, Call call) {
    std::lock_guard lock(ComponentMutex());
    CMidiKeyboard* control = FindControl(window);
    return control ? call(*control) : failure;
}

// With aligned times in play, the range given on the compared time line is
// moved onto the file's own.
void TranslateRange(const CMidiKeyboard& control, sPlayState& state) {
    std::int32_t start = 0, end = 0;
    for (const sMidiEvent& event : control.file().FirstTrack()) {
        if (event.alignedTime < state.startPosition) start = event.time;
        if (event.alignedTime > state.endPosition) {
            end = event.time;
            break;
        }
    }
    state.startPosition = start;
    state.endPosition = end;
}

// Parses outside the lock, so that neither the player nor painting waits
// for the file, and shows the one-track warning with nothing held.
template <typename Load> int Connect(ControlHandle window, Load load) {
    if (WithControl(window, kNotAControl, [](CMidiKeyboard&) { return 0; }) == kNotAControl)
        return kNotAControl;
    MidiFile loaded;
    const int result = load(loaded);
    if (loaded.HasExtraTracks()) platform::ShowMessageBox(kOneTrackWarning);
    return WithControl(window, kNotAControl, [&](CMidiKeyboard& c) {
        c.file() = std::move(loaded);
        return result;
    });
}

} // namespace

int ConnectDataFile(ControlHandle window, const char* path) {
    return Connect(
        window, [path](MidiFile& file) { return path ? file.LoadFile(path) : int(kCannotOpen); });
}

int ConnectDataMemFile(ControlHandle window, const sMemFile* data) {
    return Connect(window, [data](MidiFile& file) {
        return data ? file.LoadMemory(data->bytes, data->length) : int(kCannotOpen);
    });
}

int SetStartPosition(ControlHandle window, int position) {
    return WithControl(window, kNotAControl,
                       [&](CMidiKeyboard& c) { return c.SetStartPosition(position); });
}

int SetPosition(ControlHandle window, int position) {
    return WithControl(window, kNotAControl,
                       [&](CMidiKeyboard& c) { return c.SetPosition(position); });
}

int SetPlayingStatus(ControlHandle window, std::uint32_t startTick, int startPosition,
                     int endPosition, int currentPosition, int playing, int mode, int marks,
                     platform::MidiOutHandle* output) {
    return WithControl(window, kNotAControl, [&](CMidiKeyboard& c) {
        sPlayState& state = ProcessPlayState();
        state = {startTick, startPosition, endPosition, currentPosition,
                 playing,   mode,          marks,       output};
        if (mode != 0) TranslateRange(c, state);
        c.SetMarksEnabled(marks != 0);
        if (playing) {
            c.SetOutput(nullptr);
            c.SetStartPosition(startPosition);
            Player::Instance().EnsureRunning(&c);
            c.SetOutput(output);
        } else {
            c.SetStartPosition(0);
            c.SetOutput(nullptr);
        }
        return 0;
    });
}

int GetTimeLength(ControlHandle window) {
    return WithControl(window, 0, [](CMidiKeyboard& c) { return c.TimeLength(); });
}

int SetCompared(ControlHandle window, ControlHandle other) {
    return WithControl(window, kNotAControl, [&](CMidiKeyboard& c) {
        c.SetCompared(FindControl(other));
        return 1;
    });
}

int SetMaper(ControlHandle window, platform::MidiOutHandle* output) {
    return WithControl(window, kNotAControl, [&](CMidiKeyboard& c) {
        c.SetOutput(output);
        return 1;
    });
}

} // namespace midi::api
