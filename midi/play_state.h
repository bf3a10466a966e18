#pragma once

#include "platform/midi_out.h"

#include <cstdint>
#include <mutex>

namespace midi {

// One playback per process, shared by every keyboard control; values in the
// order SetPlayingStatus receives them.
struct sPlayState {
    std::uint32_t startTick = 0;
    std::int32_t startPosition = 0; // ms
    std::int32_t endPosition = 0;   // ms
    std::int32_t currentPosition = 0;
    std::int32_t playing = 0;
    std::int32_t mode = 0; // 0: positions on the compared (aligned) time line
    std::int32_t marks = 0;
    platform::MidiOutHandle* output = nullptr;
};

// Serialises everything the component does: calls from the host, the player
// thread's passes and painting. Callers of the functions below hold it.
std::mutex& ComponentMutex();

sPlayState& ProcessPlayState();

} // namespace midi
