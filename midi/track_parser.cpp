#include "midi/track_parser.h"

#include "midi/byte_reader.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace midi {
namespace {

constexpr std::uint8_t kTempoType = 0x51;
constexpr std::uint8_t kMaxStoredLength = 0xFF;

bool IsSystemExclusive(std::uint8_t status) {
    return status == 0xF0 || status == 0xF7;
}

std::int32_t Milliseconds(double time) {
    return static_cast<std::int32_t>(
        std::min(time, double(std::numeric_limits<std::int32_t>::max())));
}

std::uint8_t StoredLength(std::uint32_t length) {
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(length, kMaxStoredLength));
}

// Reads the bytes after the status; false when the data ends first.
bool ReadBody(ByteReader& in, sMidiEvent& event, std::uint32_t& tempo) {
    const int kind = event.status >> 4;
    if (kind == 0xC || kind == 0xD) {
        const auto d1 = in.Byte();
        if (!d1) return false;
        event.data1 = *d1;
        return true;
    }
    if (kind != 0xF) {
        const auto d1 = in.Byte();
        const auto d2 = in.Byte();
        if (!d1 || !d2) return false;
        event.data1 = *d1;
        event.data2 = *d2;
        return true;
    }
    if (!IsSystemExclusive(event.status)) {
        const auto type = in.Byte();
        if (!type) return false;
        event.data1 = *type;
    }
    const auto length = in.VariableLength();
    if (!length) return false;
    event.data2 = StoredLength(*length);
    const auto body = in.Bytes(*length);
    if (!body) return false;
    if (event.status == 0xFF && event.data1 == kTempoType && *length == 3)
        tempo = (*body)[0] << 16 | (*body)[1] << 8 | (*body)[2];
    return true;
}

} // namespace

ParsedTrack ParseTrack(std::span<const std::uint8_t> data, std::uint16_t division) {
    ParsedTrack parsed;
    ByteReader in(data);
    std::uint32_t tempo = kDefaultTempo;
    std::uint8_t runningStatus = 0x80;
    double elapsed = 0.0;
    // A division of 0 has no meaning; one tick per quarter keeps times finite.
    const double ticksPerMs = std::max<std::uint16_t>(division, 1) * 1000.0;

    while (!in.AtEnd()) {
        const auto delta = in.VariableLength();
        if (!delta) break;
        elapsed += double(std::uint64_t(*delta) * tempo) / ticksPerMs;

        sMidiEvent event;
        event.time = event.alignedTime = Milliseconds(elapsed);
        parsed.lastTime = event.time;
        parsed.anyEvent = true;

        const auto next = in.Peek();
        if (!next) break;
        if (*next & 0x80) {
            runningStatus = *next;
            in.Byte();
        }
        event.status = runningStatus;
        if (!ReadBody(in, event, tempo)) break;
        parsed.events.push_back(event);
    }
    return parsed;
}

} // namespace midi
