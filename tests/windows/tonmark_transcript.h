#pragma once

#include "midi/keyboard_layout.h"
#include "midi/tonmark.h"

#include <cstdint>
#include <functional>
#include <string>

namespace dll_test {

// The component's exported calls, each under its own name.
#define TONMARK_CALLS(X)                                                                           \
    X(TonmarkEntry)                                                                                \
    X(ConnectDataFile)                                                                             \
    X(ConnectDataMemFile)                                                                          \
    X(SetStartPosition)                                                                            \
    X(SetPosition)                                                                                 \
    X(SetPlayingStatus)                                                                            \
    X(GetTimeLength)                                                                               \
    X(SetCompared)                                                                                 \
    X(SetMaper)                                                                                    \
    X(MakeComparingWith)                                                                           \
    X(GetEstimateStatus)

struct TonmarkCalls {
#define TONMARK_CALL_MEMBER(name) decltype(&::name) name = nullptr;
    TONMARK_CALLS(TONMARK_CALL_MEMBER)
#undef TONMARK_CALL_MEMBER
};

// What one side's window system does around the component.
struct TonmarkHost {
    TonmarkCalls calls;
    // A keyboard control of class "MIDI_KB", at least 440 by 40 pixels.
    std::function<MidiWindow()> newKeyboard;
    // A window of another class.
    std::function<MidiWindow()> otherWindow;
    std::function<void(MidiWindow)> deleteWindow;
    // A client pixel of the keyboard as its window paints it now.
    std::function<midi::KeyColour(MidiWindow, int x, int y)> pixel;
    // Lets the host's messages flow for a while.
    std::function<void(int ms)> wait;
    // MakeComparingWith, its dialog confirmed with OK once `reportPath` is written.
    std::function<int(MidiWindow source, MidiWindow pupil)> compareAndConfirm;
    std::string reportPath;
    std::function<std::uint32_t()> tickCount;
    // "caption: text" lines of the message boxes shown since the last call,
    // each of them answered with OK.
    std::string (*messageBoxes)() = nullptr;
    platform::MidiOutHandle* output = nullptr;
};

// Loads tunes into keyboard controls, reads what they paint, plays one and
// compares two performances: the answers, pixels and the comparison report.
// Runs in the current directory, where it writes its tunes.
std::string TonmarkTranscript(const TonmarkHost& host);

} // namespace dll_test
