#pragma once

// The music component's exported calls. A window is the handle of a keyboard
// control (the widget's address); one that is not a live keyboard control
// gives -1 (0 for GetTimeLength).

#include "midi/estimate.h"
#include "midi/keyboard_api.h"
#include "platform/midi_out.h"

#include <cstdint>

#define TONMARK_API extern "C" __attribute__((visibility("default")))

using MidiWindow = void*;

TONMARK_API int ConnectDataFile(MidiWindow window, const char* path);
TONMARK_API int ConnectDataMemFile(MidiWindow window, const midi::sMemFile* data);
TONMARK_API int SetStartPosition(MidiWindow window, int position);
TONMARK_API int SetPosition(MidiWindow window, int position);
TONMARK_API int SetPlayingStatus(MidiWindow window, std::uint32_t startTick, int startPosition,
                                 int endPosition, int currentPosition, int playing, int mode,
                                 int marks, platform::MidiOutHandle* output);
TONMARK_API int GetTimeLength(MidiWindow window);
TONMARK_API int SetCompared(MidiWindow window, MidiWindow other);
TONMARK_API int SetMaper(MidiWindow window, platform::MidiOutHandle* output);
// Compares the pupil's performance with the source in a modal progress
// dialog: 1 for OK, 2 for Cancel, -1 when a window is not a keyboard control.
TONMARK_API int MakeComparingWith(MidiWindow source, MidiWindow pupil);
TONMARK_API int GetEstimateStatus(MidiWindow window, midi::sEstimate* estimate);
TONMARK_API void TonmarkEntry();
