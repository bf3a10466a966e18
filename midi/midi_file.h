#pragma once

#include "midi/midi_event.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace midi {

// Results of loading. Track errors are offset by -100 per track index.
enum LoadResult : int {
    kLoaded = 0,
    kCannotOpen = -1,
    kNoHeaderId = -2,
    kBadHeaderLength = -3,
    kHeaderIdMissing = -11,
    kHeaderLengthMissing = -12,
    kHeaderBodyMissing = -13,
    kNoTrackId = -21,
    kTrackTooLong = -22,
    kTrackIdMissing = -31,
    kTrackLengthMissing = -32,
    kTrackDataShort = -33,
};

constexpr int TrackResult(LoadResult code, int track) {
    return code - 100 * track;
}

inline constexpr std::uint32_t kMaxTrackLength = 65536;
inline constexpr char kOneTrackWarning[] = "This version can work with only one trek of midi files";

// A Standard MIDI File read into per-track tables of millisecond events.
class MidiFile {
public:
    // Both loaders discard what was loaded before. Tracks loaded before an
    // error stay loaded.
    int LoadFile(const std::string& path);
    int LoadMemory(const void* bytes, int length);

    void Clear();

    std::uint8_t formatType() const { return formatType_; }
    std::uint16_t trackCount() const { return trackCount_; }
    // Only the first track is played and compared; the user is told so.
    bool HasExtraTracks() const { return trackCount_ > 1; }
    std::uint16_t division() const { return division_; }
    std::int32_t lastEventTime() const { return lastEventTime_; }

    const std::vector<sMidiTrack>& tracks() const { return tracks_; }
    std::vector<sMidiTrack>& tracks() { return tracks_; }

    // The events of the track that is played and compared; empty when none.
    std::span<const sMidiEvent> FirstTrack() const;
    std::span<sMidiEvent> FirstTrack();

private:
    int Load(std::span<const std::uint8_t> bytes);

    std::uint8_t formatType_ = 0;
    std::uint16_t trackCount_ = 0;
    std::uint16_t division_ = 0;
    std::int32_t lastEventTime_ = 0;
    std::vector<sMidiTrack> tracks_;
};

} // namespace midi
