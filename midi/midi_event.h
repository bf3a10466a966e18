#pragma once

#include <cstdint>
#include <vector>

namespace midi {

// One timed event of a track. Times are milliseconds from the start of the
// track; the fields after `alignedTime` belong to the performance comparison.
struct sMidiEvent {
    std::uint8_t status = 0; // running status applied; 0xFF meta, 0xF0/0xF7 system exclusive
    std::uint8_t data1 = 0;  // meta events: the type
    std::uint8_t data2 = 0;  // meta and system-exclusive events: the length (255 = 255 or more)
    std::uint8_t unused = 0;
    std::int32_t time = 0;
    std::int32_t alignedTime = 0;
    std::int32_t reserved = 0;
    std::int16_t shift = 0;
    std::int16_t tempoPercent = 100;
    float score = -1.0f;
};
static_assert(sizeof(sMidiEvent) == 24);

struct sMidiTrack {
    std::vector<sMidiEvent> events;
};

inline bool IsChannelMessage(const sMidiEvent& e) {
    return e.status >= 0x80 && e.status < 0xF0;
}
inline bool IsNoteOn(const sMidiEvent& e) {
    return (e.status & 0xF0) == 0x90;
}
inline bool IsNoteOff(const sMidiEvent& e) {
    return (e.status & 0xF0) == 0x80;
}

// The packed form an output device takes: status | data1 << 8 | data2 << 16.
inline std::uint32_t ShortMessage(const sMidiEvent& e) {
    return e.status | std::uint32_t(e.data1) << 8 | std::uint32_t(e.data2) << 16;
}

} // namespace midi
