#include "midi/midi_file.h"
#include "midi_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace midi {
namespace {

using namespace midi::testing;

int LoadBytes(MidiFile& file, const Bytes& bytes) {
    return file.LoadMemory(bytes.data(), int(bytes.size()));
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

TEST(MidiFileHeader, EachFaultHasItsCode) {
    MidiFile file;
    const Bytes good = SingleTrackFile(TrackBuilder().EndOfTrack());
    EXPECT_EQ(LoadBytes(file, good), kLoaded);

    Bytes wrongId = good;
    wrongId[0] = 'X';
    EXPECT_EQ(LoadBytes(file, wrongId), kNoHeaderId);

    Bytes wrongLength = good;
    wrongLength[7] = 7;
    EXPECT_EQ(LoadBytes(file, wrongLength), kBadHeaderLength);

    EXPECT_EQ(file.LoadMemory(nullptr, 20), kCannotOpen);
    EXPECT_EQ(file.LoadMemory(good.data(), 0), kCannotOpen);
    EXPECT_EQ(file.LoadMemory(good.data(), -5), kCannotOpen);
    // In memory, anything shorter than the header is a missing header body.
    EXPECT_EQ(file.LoadMemory(good.data(), 3), kHeaderBodyMissing);
    EXPECT_EQ(file.LoadMemory(good.data(), 13), kHeaderBodyMissing);
}

TEST(MidiFileHeader, ShortFilesOnDiskSayWhatIsMissing) {
    const auto path = std::filesystem::temp_directory_path() / "tonmark_short.mid";
    const Bytes good = SingleTrackFile(TrackBuilder().EndOfTrack());
    MidiFile file;
    for (const auto& [size, code] :
         {std::pair{3, kHeaderIdMissing}, {7, kHeaderLengthMissing}, {13, kHeaderBodyMissing}}) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(good.data()), size);
        EXPECT_EQ(file.LoadFile(path.string()), code) << size;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(file.LoadFile(path.string()), kCannotOpen);
    EXPECT_EQ(file.LoadFile(std::filesystem::temp_directory_path().string()), kCannotOpen);
}

TEST(MidiFileTracks, EachFaultHasItsCodeOffsetByTrack) {
    MidiFile file;
    Bytes twoTracks = Header(2);
    AppendTrack(twoTracks, TrackBuilder().Event(0, {0x90, 60, 100}).EndOfTrack());
    const std::size_t second = twoTracks.size();
    AppendTrack(twoTracks, TrackBuilder().EndOfTrack());
    ASSERT_EQ(LoadBytes(file, twoTracks), kLoaded);

    EXPECT_EQ(LoadBytes(file, Truncated(twoTracks, second + 2)), TrackResult(kTrackIdMissing, 1));
    EXPECT_EQ(LoadBytes(file, Truncated(twoTracks, second + 6)), -132);
    EXPECT_EQ(LoadBytes(file, Truncated(twoTracks, twoTracks.size() - 1)), -133);
    // The track before the fault stays loaded.
    ASSERT_EQ(file.tracks().size(), 2u);
    EXPECT_EQ(file.tracks()[0].events.size(), 2u);
    EXPECT_TRUE(file.tracks()[1].events.empty());

    Bytes badId = twoTracks;
    badId[second] = 'X';
    EXPECT_EQ(LoadBytes(file, badId), -121);
    EXPECT_EQ(LoadBytes(file, Truncated(twoTracks, 16)), -31);

    Bytes tooLong = Header(1);
    AppendChunk(tooLong, "MTrk", kMaxTrackLength + 1);
    tooLong.resize(tooLong.size() + kMaxTrackLength + 1, 0);
    EXPECT_EQ(LoadBytes(file, tooLong), kTrackTooLong);
}

TEST(MidiFileTracks, ZeroTracksLoadEmpty) {
    MidiFile file;
    EXPECT_EQ(LoadBytes(file, Header(0)), kLoaded);
    EXPECT_TRUE(file.tracks().empty());
    EXPECT_TRUE(file.FirstTrack().empty());
}

TEST(MidiFileTracks, HeaderFieldsAreKept) {
    MidiFile file;
    Bytes bytes = Header(1, 96, 0x0101);
    AppendTrack(bytes, TrackBuilder().EndOfTrack());
    ASSERT_EQ(LoadBytes(file, bytes), kLoaded);
    EXPECT_EQ(file.formatType(), 1);
    EXPECT_EQ(file.trackCount(), 1);
    EXPECT_EQ(file.division(), 96);
    EXPECT_FALSE(file.HasExtraTracks());
}

TEST(MidiTrackTimes, DefaultTempoAndTempoChangesFromTheNextEventOn) {
    MidiFile file;
    const auto track = TrackBuilder()
                           .Event(480, {0x90, 60, 100}) // 500 ms at the default tempo
                           .Tempo(480, 250000)          // still the old rate: 1000 ms
                           .Event(480, {0x80, 60, 0})   // twice as fast: 1250 ms
                           .EndOfTrack(960);            // 1750 ms
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(track)), kLoaded);
    const auto events = file.FirstTrack();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].time, 500);
    EXPECT_EQ(events[1].time, 1000);
    EXPECT_EQ(events[2].time, 1250);
    EXPECT_EQ(events[3].time, 1750);
    for (const auto& e : events) EXPECT_EQ(e.alignedTime, e.time);
    EXPECT_EQ(file.lastEventTime(), 1750);
}

TEST(MidiTrackTimes, FractionsAccumulateBeforeTruncation) {
    MidiFile file;
    // One tick at division 3 is 166.67 ms: 166, 333, 500.
    const auto track =
        TrackBuilder().Event(1, {0x90, 1, 1}).Event(1, {0x90, 2, 1}).Event(1, {0x90, 3, 1});
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(track, 3)), kLoaded);
    const auto events = file.FirstTrack();
    EXPECT_EQ(events[0].time, 166);
    EXPECT_EQ(events[1].time, 333);
    EXPECT_EQ(events[2].time, 500);
}

TEST(MidiTrackTimes, LongDeltasDoNotWrap) {
    MidiFile file;
    // 20000 ticks at the default tempo overflow a 32-bit product.
    const auto track = TrackBuilder().Event(20000, {0x90, 60, 100});
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(track)), kLoaded);
    EXPECT_EQ(file.FirstTrack()[0].time, 20833);
}

TEST(MidiTrackTimes, MeaninglessDivisionAndHugeTimesStayFinite) {
    MidiFile file;
    const auto track = TrackBuilder().Tempo(0, 0xFFFFFF).Event(0x0FFFFFFF, {0x90, 60, 100});
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(track, 0)), kLoaded);
    EXPECT_EQ(file.FirstTrack()[1].time, 0x7FFFFFFF);
}

TEST(MidiTrackEvents, RunningStatusRepeatsTheStatus) {
    MidiFile file;
    const auto track = TrackBuilder()
                           .Event(0, {0x91, 60, 100})
                           .Event(10, {62, 90})
                           .Event(10, {64, 0})
                           .Event(0, {0xC1, 5})
                           .Event(0, {7});
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(track)), kLoaded);
    const auto events = file.FirstTrack();
    ASSERT_EQ(events.size(), 5u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(events[i].status, 0x91);
    EXPECT_EQ(events[1].data1, 62);
    EXPECT_EQ(events[1].data2, 90);
    EXPECT_EQ(events[2].data2, 0);
    EXPECT_EQ(events[4].status, 0xC1);
    EXPECT_EQ(events[4].data1, 7);
    EXPECT_EQ(events[4].data2, 0);
}

TEST(MidiTrackEvents, NoStatusAtAllMeansNoteOff) {
    MidiFile file;
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(TrackBuilder().Event(0, {60, 0}))), kLoaded);
    EXPECT_EQ(file.FirstTrack()[0].status, 0x80);
}

TEST(MidiTrackEvents, MetaAndSystemExclusiveAreStoredAndTheirBytesSkipped) {
    MidiFile file;
    const auto track = TrackBuilder()
                           .Meta(0, 0x03, 5)
                           .Meta(0, 0x01, 300) // a length of two bytes
                           .SystemExclusive(0, 4)
                           .SystemExclusive(0, 200)
                           .Event(0, {0x90, 60, 100})
                           .EndOfTrack();
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(track)), kLoaded);
    const auto e = file.FirstTrack();
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0].status, 0xFF);
    EXPECT_EQ(e[0].data1, 0x03);
    EXPECT_EQ(e[0].data2, 5);
    EXPECT_EQ(e[1].data1, 0x01);
    EXPECT_EQ(e[1].data2, 255);
    EXPECT_EQ(e[2].status, 0xF0);
    EXPECT_EQ(e[2].data2, 4);
    EXPECT_EQ(e[3].data2, 200);
    EXPECT_EQ(e[4].status, 0x90);
    EXPECT_EQ(e[5].status, 0xFF);
    EXPECT_EQ(e[5].data1, 0x2F);
    EXPECT_EQ(e[5].data2, 0);
}

TEST(MidiTrackEvents, ComparisonFieldsStartNeutral) {
    MidiFile file;
    ASSERT_EQ(LoadBytes(file, SingleTrackFile(TrackBuilder().Event(0, {0x90, 60, 100}))), kLoaded);
    const sMidiEvent& e = file.FirstTrack()[0];
    EXPECT_EQ(e.reserved, 0);
    EXPECT_EQ(e.shift, 0);
    EXPECT_EQ(e.tempoPercent, 100);
    EXPECT_EQ(e.score, -1.0f);
}

TEST(MidiTrackEvents, DataEndingInsideAnEventKeepsTheEventsBefore) {
    const auto full = TrackBuilder().Event(0, {0x90, 60, 100}).Meta(0, 0x01, 20);
    for (std::size_t cut = 1; cut < full.body.size(); ++cut) {
        TrackBuilder partial;
        partial.body.assign(full.body.begin(), full.body.begin() + cut);
        MidiFile file;
        ASSERT_EQ(LoadBytes(file, SingleTrackFile(partial)), kLoaded);
        EXPECT_EQ(file.FirstTrack().size(), cut >= 4 ? 1u : 0u) << cut;
    }
}

TEST(MidiFileLoading, LoadingAgainDiscardsTheOldTracks) {
    MidiFile file;
    Bytes two = Header(2);
    AppendTrack(two, TrackBuilder().EndOfTrack());
    AppendTrack(two, TrackBuilder().EndOfTrack());
    ASSERT_EQ(LoadBytes(file, two), kLoaded);
    EXPECT_TRUE(file.HasExtraTracks());
    EXPECT_EQ(LoadBytes(file, Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0}), kHeaderBodyMissing);
    EXPECT_TRUE(file.tracks().empty());
    EXPECT_EQ(file.trackCount(), 0);
}

} // namespace
} // namespace midi
