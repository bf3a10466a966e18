#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// A one-track Standard MIDI File (format 0) being assembled from timed events.
class MidiTrack {
public:
    explicit MidiTrack(int ticksPerQuarter) : division_(ticksPerQuarter) {}

    void tempo(uint32_t tick, int beatsPerMinute);
    void text(uint32_t tick, uint8_t metaType, const std::string& value);
    void program(uint32_t tick, int channel, int instrument);
    // A note from `tick` for `length` ticks; its end is a note-on of velocity 0, so the
    // whole track can share one running status.
    void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);

    std::vector<unsigned char> bytes() const;

private:
    struct Event {
        uint32_t tick;
        int order; // at one tick: meta first, then note ends, then starts
        std::vector<unsigned char> data;
    };

    int division_;
    std::vector<Event> events_;
};

} // namespace assetgen
