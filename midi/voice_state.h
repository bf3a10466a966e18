#pragma once

#include "midi/midi_event.h"

#include <array>
#include <cstdint>
#include <span>

namespace midi {

inline constexpr int kVoiceSlots = 16;
inline constexpr int kChannels = 16;

struct sVoiceSlot {
    std::uint8_t active = 0;
    std::uint8_t note = 0;
    std::uint8_t velocity = 0;
    std::uint8_t channel = 0;
    std::uint8_t unmatched = 0;
    std::uint16_t age = 0; // events applied since the voice began
};

// What sounds in one replayed performance, and how far it was replayed. Small
// and flat, so that a trial restarts from a saved state by plain copy.
struct sVoiceState {
    std::array<sVoiceSlot, kVoiceSlots> voices{};
    std::array<std::uint8_t, kChannels> programs{};
    std::int64_t time = 0;   // ms on the performance's own time line
    std::int32_t cursor = 0; // next event to apply
};

// How much of each side sounds without the other.
struct sVoiceMismatch {
    int unmatchedOwn = 0;     // own voices with no partner voice of that channel and note
    int ownCount = 1;         // 1 + own active voices
    int unmatchedPartner = 0; // partner voices no own voice claimed
    int partnerCount = 1;     // 1 + partner active voices
};

// Takes a voice for a note-on, releases one for a note-off, keeps the
// channel's program.
void ApplyEvent(sVoiceState& state, const sMidiEvent& event);

// Applies, from the cursor, the events due by `time`: those up to the first
// one timed later. Each event is applied once, and `applied` hears of it.
template <typename Applied>
void ReplayTo(std::span<const sMidiEvent> events, sVoiceState& state, std::int64_t time,
              Applied&& applied) {
    std::size_t i = std::size_t(state.cursor);
    for (; i < events.size() && events[i].time <= time; ++i) {
        ApplyEvent(state, events[i]);
        applied(i);
    }
    state.cursor = std::int32_t(i);
    state.time = time;
}

inline void ReplayTo(std::span<const sMidiEvent> events, sVoiceState& state, std::int64_t time) {
    ReplayTo(events, state, time, [](std::size_t) {});
}

// Marks the unmatched voices of both states. A voice of `own` claims the
// first partner voice of its channel and note.
sVoiceMismatch CompareVoices(sVoiceState& own, sVoiceState& partner);

// Squared fractions of unmatched voices, summed: 0 when both sides sound
// alike. Every value is a multiple of 2^-32 below 2, so sums of a window's
// samples are exact in a double, in any order.
float SampleValue(const sVoiceMismatch& m);

} // namespace midi
