#pragma once

#include "midi/midi_event.h"

#include <cstdint>
#include <span>
#include <vector>

namespace midi {

inline constexpr std::uint32_t kDefaultTempo = 500000; // microseconds per quarter note

struct ParsedTrack {
    std::vector<sMidiEvent> events;
    bool anyEvent = false;
    std::int32_t lastTime = 0; // of the last event parsed
};

// Parses the body of one track chunk into events timed in milliseconds.
// Parsing stops quietly where the data ends in the middle of an event.
ParsedTrack ParseTrack(std::span<const std::uint8_t> data, std::uint16_t division);

} // namespace midi
