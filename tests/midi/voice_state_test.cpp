#include "midi/voice_state.h"
#include "performance_builder.h"

#include <gtest/gtest.h>

namespace midi {
namespace {

using testing::Event;

sVoiceState Sounding(std::initializer_list<int> notes) {
    sVoiceState state;
    for (int note : notes) ApplyEvent(state, Event(0, 0x90, std::uint8_t(note), 90));
    return state;
}

TEST(VoiceSlots, NewNotesTakeTheHighestFreeSlot) {
    const sVoiceState state = Sounding({60, 62});
    EXPECT_EQ(state.voices[15].note, 60);
    EXPECT_EQ(state.voices[14].note, 62);
    EXPECT_EQ(state.voices[15].age, 1);
    EXPECT_EQ(state.voices[14].age, 0);
    EXPECT_FALSE(state.voices[13].active);
}

TEST(VoiceSlots, AFullSetGivesWayToTheOldestVoice) {
    sVoiceState state = Sounding({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55});
    ApplyEvent(state, Event(0, 0x93, 70, 50));
    EXPECT_EQ(state.voices[15].note, 70);
    EXPECT_EQ(state.voices[15].channel, 3);
    EXPECT_EQ(state.voices[15].age, 0);
    EXPECT_EQ(state.voices[14].note, 41);
}

TEST(VoiceSlots, ReleasesTheLastMatchingVoiceOrElseTheOldest) {
    sVoiceState state = Sounding({60, 60, 64});
    ApplyEvent(state, Event(0, 0x80, 60));
    EXPECT_FALSE(state.voices[15].active);
    EXPECT_EQ(state.voices[15].note, 0);
    EXPECT_TRUE(state.voices[14].active);
    // A note-off that matches nothing silences the voice sounding longest.
    ApplyEvent(state, Event(0, 0x80, 72));
    EXPECT_FALSE(state.voices[14].active);
    EXPECT_TRUE(state.voices[13].active);
    // Velocity 0 is a release too; with nothing sounding nothing changes.
    ApplyEvent(state, Event(0, 0x90, 64, 0));
    ApplyEvent(state, Event(0, 0x80, 64));
    for (const sVoiceSlot& v : state.voices) EXPECT_FALSE(v.active);
}

TEST(VoiceSlots, ProgramChangesAndOtherEventsOnlyAgeTheVoices) {
    sVoiceState state = Sounding({60});
    ApplyEvent(state, Event(0, 0xC5, 19));
    ApplyEvent(state, Event(0, 0xFF, 0x2F));
    ApplyEvent(state, Event(0, 0xB0, 7, 100));
    EXPECT_EQ(state.programs[5], 19);
    EXPECT_EQ(state.voices[15].age, 3);
    EXPECT_TRUE(state.voices[15].active);
}

TEST(VoiceComparison, EachOwnVoiceClaimsTheFirstPartnerVoiceOfItsNote) {
    sVoiceState own = Sounding({60, 60});
    sVoiceState partner = Sounding({60, 60, 62});
    const sVoiceMismatch m = CompareVoices(own, partner);
    EXPECT_EQ(m.unmatchedOwn, 0);
    EXPECT_EQ(m.ownCount, 3);
    EXPECT_EQ(m.unmatchedPartner, 2);
    EXPECT_EQ(m.partnerCount, 4);
    EXPECT_FLOAT_EQ(SampleValue(m), 0.25f);
    // Slot order: the later 60 sits in slot 14, ahead of the first in 15.
    EXPECT_FALSE(partner.voices[14].unmatched);
    EXPECT_TRUE(partner.voices[15].unmatched);
    EXPECT_TRUE(partner.voices[13].unmatched);
}

TEST(VoiceComparison, ChannelsKeepEqualNotesApart) {
    sVoiceState own = Sounding({60});
    sVoiceState partner;
    ApplyEvent(partner, Event(0, 0x91, 60, 90));
    const sVoiceMismatch m = CompareVoices(own, partner);
    EXPECT_FLOAT_EQ(SampleValue(m), 0.5f);
    sVoiceState silent, alsoSilent;
    EXPECT_EQ(SampleValue(CompareVoices(silent, alsoSilent)), 0.0f);
}

TEST(Replay, AppliesEachDueEventOnceTheLastOneIncluded) {
    const std::vector<sMidiEvent> events = testing::Play({{100, 100, 60}}, 300);
    sVoiceState state;
    int applied = 0;
    auto count = [&](std::size_t) { ++applied; };
    ReplayTo(events, state, 99, count);
    EXPECT_EQ(applied, 0);
    ReplayTo(events, state, 100, count);
    EXPECT_EQ(state.cursor, 1);
    EXPECT_TRUE(state.voices[15].active);
    ReplayTo(events, state, 300, count);
    EXPECT_EQ(state.cursor, 3);
    ReplayTo(events, state, 5000, count);
    ReplayTo(events, state, 0, count);
    EXPECT_EQ(applied, 3);
    EXPECT_EQ(state.time, 0);
    EXPECT_FALSE(state.voices[15].active);
}

} // namespace
} // namespace midi
