#include "midi_file.h"

#include <algorithm>

namespace assetgen {

void MidiTrack::tempo(uint32_t tick, int beatsPerMinute) {
    const uint32_t micros = 60000000u / uint32_t(beatsPerMinute);
    events_.push_back(
        {tick,
         0,
         {0xFF, 0x51, 0x03, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)}});
}

void MidiTrack::text(uint32_t tick, uint8_t metaType, const std::string& value) {
    // The game's loader reads a one-byte length, so texts stay short.
    std::vector<unsigned char> data = {0xFF, metaType,
                                       uint8_t(std::min<size_t>(value.size(), 127))};
    data.insert(data.end(), value.begin(), value.begin() + data[2]);
    events_.push_back({tick, 0, data});
}

void MidiTrack::program(uint32_t tick, int channel, int instrument) {
    events_.push_back({tick, 1, {uint8_t(0xC0 | channel), uint8_t(instrument)}});
}

void MidiTrack::note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
    const uint8_t status = uint8_t(0x90 | channel);
    events_.push_back({tick, 3, {status, uint8_t(key), uint8_t(velocity)}});
    events_.push_back({tick + length, 2, {status, uint8_t(key), 0}});
}

namespace {

void putVarLength(std::vector<unsigned char>& out, uint32_t value) {
    unsigned char groups[5];
    int n = 0;
    do {
        groups[n++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (n--) out.push_back(groups[n] | (n ? 0x80 : 0));
}

void putBe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(value >> (8 * i)));
}

} // namespace

std::vector<unsigned char> MidiTrack::bytes() const {
    std::vector<Event> events = events_;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<unsigned char> track;
    uint32_t now = 0;
    int runningStatus = -1;
    for (const Event& e : events) {
        putVarLength(track, e.tick - now);
        now = e.tick;
        const bool channelMessage = e.data[0] < 0xF0;
        const bool repeat = channelMessage && e.data[0] == runningStatus;
        track.insert(track.end(), e.data.begin() + (repeat ? 1 : 0), e.data.end());
        runningStatus = channelMessage ? e.data[0] : -1;
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

    std::vector<unsigned char> out = {'M', 'T', 'h', 'd'};
    putBe(out, 6, 4);
    putBe(out, 0, 2); // format 0
    putBe(out, 1, 2);
    putBe(out, uint32_t(division_), 2);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    putBe(out, uint32_t(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

} // namespace assetgen
