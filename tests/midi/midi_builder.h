#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace midi::testing {

using Bytes = std::vector<std::uint8_t>;

inline void Append(Bytes& out, std::initializer_list<std::uint8_t> bytes) {
    out.insert(out.end(), bytes);
}

inline void AppendBigEndian(Bytes& out, std::uint32_t value, int width) {
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) out.push_back(value >> shift & 0xFF);
}

inline void AppendVariableLength(Bytes& out, std::uint32_t value) {
    int shift = 28;
    while (shift > 0 && (value >> shift) == 0) shift -= 7;
    for (; shift > 0; shift -= 7) out.push_back(std::uint8_t(0x80 | ((value >> shift) & 0x7F)));
    out.push_back(std::uint8_t(value & 0x7F));
}

inline void AppendChunk(Bytes& out, const char* id, std::uint32_t length) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(id[i]));
    AppendBigEndian(out, length, 4);
}

// Events of one track body, with deltas in ticks.
class TrackBuilder {
public:
    TrackBuilder& Event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes) {
        AppendVariableLength(body, delta);
        Append(body, bytes);
        return *this;
    }
    TrackBuilder& Tempo(std::uint32_t delta, std::uint32_t microsPerQuarter) {
        AppendVariableLength(body, delta);
        Append(body, {0xFF, 0x51, 0x03});
        AppendBigEndian(body, microsPerQuarter, 3);
        return *this;
    }
    TrackBuilder& Meta(std::uint32_t delta, std::uint8_t type, std::uint32_t length) {
        AppendVariableLength(body, delta);
        Append(body, {0xFF, type});
        AppendVariableLength(body, length);
        body.insert(body.end(), length, 0x41);
        return *this;
    }
    TrackBuilder& SystemExclusive(std::uint32_t delta, std::uint32_t length) {
        AppendVariableLength(body, delta);
        body.push_back(0xF0);
        AppendVariableLength(body, length);
        body.insert(body.end(), length, 0x7E);
        return *this;
    }
    TrackBuilder& EndOfTrack(std::uint32_t delta = 0) { return Event(delta, {0xFF, 0x2F, 0x00}); }

    Bytes body;
};

inline Bytes Header(std::uint16_t tracks, std::uint16_t division = 480, std::uint16_t format = 0) {
    Bytes out;
    AppendChunk(out, "MThd", 6);
    AppendBigEndian(out, format, 2);
    AppendBigEndian(out, tracks, 2);
    AppendBigEndian(out, division, 2);
    return out;
}

inline void AppendTrack(Bytes& out, const TrackBuilder& track) {
    AppendChunk(out, "MTrk", std::uint32_t(track.body.size()));
    out.insert(out.end(), track.body.begin(), track.body.end());
}

inline Bytes SingleTrackFile(const TrackBuilder& track, std::uint16_t division = 480) {
    Bytes out = Header(1, division);
    AppendTrack(out, track);
    return out;
}

// At this division and the default tempo one tick is one millisecond.
inline constexpr std::uint16_t kMillisecondDivision = 500;

} // namespace midi::testing
