#include "midi/midi_file.h"

#include "midi/byte_reader.h"
#include "midi/track_parser.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace midi {
namespace {

constexpr std::size_t kHeaderSize = 14;
constexpr std::uint32_t kHeaderBodyLength = 6;

bool IsChunk(std::span<const std::uint8_t> id, const char (&name)[5]) {
    return std::equal(id.begin(), id.end(), name);
}

} // namespace

int MidiFile::LoadFile(const std::string& path) {
    Clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return kCannotOpen;
    std::ifstream file(path, std::ios::binary);
    if (!file) return kCannotOpen;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    return Load(bytes);
}

int MidiFile::LoadMemory(const void* bytes, int length) {
    Clear();
    if (!bytes || length <= 0) return kCannotOpen;
    if (std::size_t(length) < kHeaderSize) return kHeaderBodyMissing;
    return Load({static_cast<const std::uint8_t*>(bytes), std::size_t(length)});
}

void MidiFile::Clear() {
    *this = MidiFile{};
}

std::span<const sMidiEvent> MidiFile::FirstTrack() const {
    if (tracks_.empty()) return {};
    return tracks_.front().events;
}

std::span<sMidiEvent> MidiFile::FirstTrack() {
    if (tracks_.empty()) return {};
    return tracks_.front().events;
}

int MidiFile::Load(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    const auto headerId = in.Bytes(4);
    if (!headerId) return kHeaderIdMissing;
    if (!IsChunk(*headerId, "MThd")) return kNoHeaderId;
    const auto headerLength = in.BigEndian(4);
    if (!headerLength) return kHeaderLengthMissing;
    if (*headerLength != kHeaderBodyLength) return kBadHeaderLength;
    const auto format = in.BigEndian(2);
    const auto tracks = in.BigEndian(2);
    const auto division = in.BigEndian(2);
    if (!format || !tracks || !division) return kHeaderBodyMissing;

    formatType_ = static_cast<std::uint8_t>(*format);
    trackCount_ = static_cast<std::uint16_t>(*tracks);
    division_ = static_cast<std::uint16_t>(*division);
    tracks_.resize(trackCount_);

    for (int t = 0; t < trackCount_; ++t) {
        const auto id = in.Bytes(4);
        if (!id) return TrackResult(kTrackIdMissing, t);
        if (!IsChunk(*id, "MTrk")) return TrackResult(kNoTrackId, t);
        const auto length = in.BigEndian(4);
        if (!length) return TrackResult(kTrackLengthMissing, t);
        if (*length > kMaxTrackLength) return TrackResult(kTrackTooLong, t);
        const auto data = in.Bytes(*length);
        if (!data) return TrackResult(kTrackDataShort, t);

        ParsedTrack parsed = ParseTrack(*data, division_);
        if (parsed.anyEvent) lastEventTime_ = parsed.lastTime;
        parsed.events.shrink_to_fit();
        tracks_[t].events = std::move(parsed.events);
    }
    return kLoaded;
}

} // namespace midi
