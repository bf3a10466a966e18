#pragma once

#include "midi/control_registry.h"
#include "platform/midi_out.h"

#include <cstdint>

namespace midi {

// A block of file bytes in memory, as ConnectDataMemFile receives it.
struct sMemFile {
    const void* bytes;
    int length;
};

// The component's calls as the exported functions make them: each takes
// the component lock and checks the handle first (-1, or 0 for the time
// length, when it is not a live keyboard control).
namespace api {

int ConnectDataFile(ControlHandle window, const char* path);
int ConnectDataMemFile(ControlHandle window, const sMemFile* data);
int SetStartPosition(ControlHandle window, int position);
int SetPosition(ControlHandle window, int position);
int SetPlayingStatus(ControlHandle window, std::uint32_t startTick, int startPosition,
                     int endPosition, int currentPosition, int playing, int mode, int marks,
                     platform::MidiOutHandle* output);
int GetTimeLength(ControlHandle window);
int SetCompared(ControlHandle window, ControlHandle other);
int SetMaper(ControlHandle window, platform::MidiOutHandle* output);

} // namespace api
} // namespace midi
