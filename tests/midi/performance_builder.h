#pragma once

#include "midi/midi_event.h"
#include "midi_builder.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace midi::testing {

inline sMidiEvent Event(std::int32_t time, std::uint8_t status, std::uint8_t data1,
                        std::uint8_t data2 = 0) {
    sMidiEvent e;
    e.status = status;
    e.data1 = data1;
    e.data2 = data2;
    e.time = e.alignedTime = time;
    return e;
}

struct Note {
    std::int32_t start, length;
    std::uint8_t pitch;
    std::uint8_t channel = 0;
};

// Note-on and note-off events in time order, ended by an end-of-track event.
inline std::vector<sMidiEvent> Play(std::vector<Note> notes, std::int32_t end = -1) {
    std::vector<sMidiEvent> events;
    for (const Note& n : notes) {
        events.push_back(Event(n.start, std::uint8_t(0x90 | n.channel), n.pitch, 90));
        events.push_back(Event(n.start + n.length, std::uint8_t(0x80 | n.channel), n.pitch, 0));
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const sMidiEvent& a, const sMidiEvent& b) { return a.time < b.time; });
    const std::int32_t last = events.empty() ? 0 : events.back().time;
    events.push_back(Event(std::max(end, last), 0xFF, 0x2F));
    return events;
}

// A melody of `count` notes from `seed`, in up to three voices.
inline std::vector<Note> Melody(unsigned seed, int count, int spacing = 250) {
    std::mt19937 random(seed);
    std::vector<Note> notes;
    std::int32_t time = 0;
    for (int i = 0; i < count; ++i) {
        time += int(random() % unsigned(spacing)) + spacing / 2;
        notes.push_back({time, int(random() % 600) + 60, std::uint8_t(48 + random() % 30),
                         std::uint8_t(random() % 3)});
    }
    return notes;
}

// The same notes played `percent` % as fast and `delay` ms later.
inline std::vector<Note> Faster(std::vector<Note> notes, int percent, int delay) {
    for (Note& n : notes) {
        n.start = n.start * 100 / percent + delay;
        n.length = n.length * 100 / percent;
    }
    return notes;
}

// A one-track file with one tick per millisecond.
inline Bytes FileOf(const std::vector<sMidiEvent>& events) {
    TrackBuilder track;
    std::int32_t time = 0;
    for (const sMidiEvent& e : events) {
        const auto delta = std::uint32_t(e.time - time);
        time = e.time;
        if (e.status == 0xFF) {
            track.Event(delta, {0xFF, e.data1, 0x00});
        } else if ((e.status & 0xE0) == 0xC0) {
            track.Event(delta, {e.status, e.data1});
        } else {
            track.Event(delta, {e.status, e.data1, e.data2});
        }
    }
    return SingleTrackFile(track, kMillisecondDivision);
}

} // namespace midi::testing
