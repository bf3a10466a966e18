#include "midi/voice_state.h"

namespace midi {
namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kProgramChange = 0xC0;

// The active voice that has sounded longest; the first of equal age wins.
sVoiceSlot* Oldest(sVoiceState& state) {
    sVoiceSlot* oldest = nullptr;
    for (sVoiceSlot& v : state.voices) {
        if (v.active && (!oldest || v.age > oldest->age)) oldest = &v;
    }
    return oldest;
}

sVoiceSlot& SlotForNewNote(sVoiceState& state) {
    for (int i = kVoiceSlots - 1; i >= 0; --i) {
        if (!state.voices[i].active) return state.voices[i];
    }
    return *Oldest(state);
}

// A note-off without its note-on silences the oldest voice instead.
void Release(sVoiceState& state, std::uint8_t channel, std::uint8_t note) {
    for (int i = kVoiceSlots - 1; i >= 0; --i) {
        sVoiceSlot& v = state.voices[i];
        if (v.active && v.channel == channel && v.note == note) {
            v = {};
            return;
        }
    }
    if (sVoiceSlot* oldest = Oldest(state)) *oldest = {};
}

struct SquaredFractions {
    // [unmatched][count], count = 1 + active voices
    float values[kVoiceSlots + 1][kVoiceSlots + 2]{};
    SquaredFractions() {
        for (int n = 1; n <= kVoiceSlots + 1; ++n) {
            for (int u = 0; u < n; ++u) {
                const float fraction = float(u) / float(n);
                values[u][n] = fraction * fraction;
            }
        }
    }
};

const SquaredFractions squares;

} // namespace

void ApplyEvent(sVoiceState& state, const sMidiEvent& event) {
    for (sVoiceSlot& v : state.voices) v.age = std::uint16_t(v.age + v.active);
    const std::uint8_t kind = event.status & 0xF0;
    const std::uint8_t channel = event.status & 0x0F;
    if (kind == kNoteOn && event.data2 > 0) {
        SlotForNewNote(state) = {1, event.data1, event.data2, channel, 0, 0};
    } else if (kind == kNoteOn || kind == kNoteOff) {
        Release(state, channel, event.data1);
    } else if (kind == kProgramChange) {
        state.programs[channel] = event.data1;
    }
}

sVoiceMismatch CompareVoices(sVoiceState& own, sVoiceState& partner) {
    sVoiceMismatch m;
    for (sVoiceSlot& v : own.voices) {
        v.unmatched = v.active;
        m.ownCount += v.active;
    }
    for (sVoiceSlot& v : partner.voices) {
        v.unmatched = v.active;
        m.partnerCount += v.active;
    }
    for (sVoiceSlot& v : own.voices) {
        if (!v.active) continue;
        for (sVoiceSlot& p : partner.voices) {
            if (p.active && p.channel == v.channel && p.note == v.note) {
                v.unmatched = p.unmatched = 0;
                break;
            }
        }
        m.unmatchedOwn += v.unmatched;
    }
    for (const sVoiceSlot& p : partner.voices) m.unmatchedPartner += p.unmatched;
    return m;
}

float SampleValue(const sVoiceMismatch& m) {
    return squares.values[m.unmatchedOwn][m.ownCount] +
           squares.values[m.unmatchedPartner][m.partnerCount];
}

} // namespace midi
