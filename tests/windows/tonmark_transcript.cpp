#include "tonmark_transcript.h"

#include "midi/performance_builder.h"
#include "transcript.h"

#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

namespace dll_test {
namespace {

using namespace midi::testing;
using midi::KeyColour;

constexpr int kKeyboardWidth = 440;

std::string ColourName(KeyColour c) {
    static const std::pair<KeyColour, const char*> kNames[] = {
        {midi::kWhiteKeyColour, "white"},     {midi::kBlackKeyColour, "black"},
        {midi::kSoundingColour, "sounding"},  {midi::kOnlyComparedColour, "only-compared"},
        {midi::kOnlyThisColour, "only-this"}, {midi::kBackgroundColour, "background"},
    };
    for (const auto& [colour, name] : kNames)
        if (colour == c) return name;
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", c.r, c.g, c.b);
    return text;
}

KeyColour KeyShown(const TonmarkHost& host, MidiWindow keyboard, const midi::KeyRect& r) {
    return host.pixel(keyboard, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Every key whose centre does not show its idle colour, the frame and the
// background beside it.
std::string Picture(const TonmarkHost& host, MidiWindow keyboard) {
    const auto keys = midi::MakeKeys();
    std::string lit, wrong;
    for (int k = 0; k < midi::kKeyCount; ++k) {
        const KeyColour shown = KeyShown(host, keyboard, keys[k].rect);
        const KeyColour idle = keys[k].isBlack ? midi::kBlackKeyColour : midi::kWhiteKeyColour;
        if (!(shown == idle)) lit += " " + std::to_string(k) + "=" + ColourName(shown);
    }
    const midi::KeyRect& frame = midi::kKeyboardFrame;
    return "keys" + (lit.empty() ? std::string(" idle") : lit) + "\nframe " +
           ColourName(host.pixel(keyboard, kKeyboardWidth / 2, frame.bottom - 1)) + ", beside it " +
           ColourName(host.pixel(keyboard, frame.right + 4, frame.bottom / 2)) + "\n";
}

std::string Line(const char* what, int value) {
    return std::string(what) + " " + std::to_string(value) + "\n";
}

Bytes Tune() {
    return FileOf(Play(Melody(6, 10)));
}

std::string NotAKeyboard(const TonmarkHost& host) {
    const TonmarkCalls& c = host.calls;
    const MidiWindow other = host.otherWindow();
    const Bytes tune = Tune();
    const midi::sMemFile data{tune.data(), int(tune.size())};
    midi::sEstimate estimate{.from = 0, .to = 1000};
    platform::MidiOutHandle none{};
    std::string text = "== a window of another class\n";
    text += Line("ConnectDataFile", c.ConnectDataFile(other, "tune.mid"));
    text += Line("ConnectDataMemFile", c.ConnectDataMemFile(other, &data));
    text += Line("SetStartPosition", c.SetStartPosition(other, 0));
    text += Line("SetPosition", c.SetPosition(other, 100));
    text += Line("SetPlayingStatus", c.SetPlayingStatus(other, 0, 0, 0, 0, 0, 0, 0, &none));
    text += Line("GetTimeLength", c.GetTimeLength(other));
    text += Line("SetCompared", c.SetCompared(other, other));
    text += Line("SetMaper", c.SetMaper(other, &none));
    text += Line("MakeComparingWith", c.MakeComparingWith(other, other));
    text += Line("GetEstimateStatus", c.GetEstimateStatus(other, &estimate));
    host.deleteWindow(other);
    return text;
}

std::string Loading(const TonmarkHost& host, MidiWindow keyboard) {
    const TonmarkCalls& c = host.calls;
    const Bytes tune = Tune();
    WriteBytes("tune.mid", std::string(tune.begin(), tune.end()));
    Bytes badHeader = tune;
    badHeader[0] = 'X';
    const Bytes shortTrack(tune.begin(), tune.begin() + 30);
    const std::pair<const char*, const Bytes*> damaged[] = {{"bad header", &badHeader},
                                                            {"short track", &shortTrack}};
    std::string text = "== loading\n";
    text += Line("ConnectDataFile missing", c.ConnectDataFile(keyboard, "missing.mid"));
    for (const auto& [what, bytes] : damaged) {
        const midi::sMemFile data{bytes->data(), int(bytes->size())};
        text += Line((std::string("ConnectDataMemFile ") + what).c_str(),
                     c.ConnectDataMemFile(keyboard, &data));
        text += Line("GetTimeLength", c.GetTimeLength(keyboard));
    }
    // Two tracks: a warning, and both are loaded; the first one plays.
    TrackBuilder track;
    track.Event(0, {0x90, 60, 90}).Event(400, {0x80, 60, 0}).EndOfTrack();
    Bytes twoTracks = Header(2, kMillisecondDivision);
    AppendTrack(twoTracks, track);
    AppendTrack(twoTracks, track);
    const midi::sMemFile data{twoTracks.data(), int(twoTracks.size())};
    text += Line("ConnectDataMemFile two tracks", c.ConnectDataMemFile(keyboard, &data));
    text += host.messageBoxes();
    text += Line("GetTimeLength", c.GetTimeLength(keyboard));

    text += Line("ConnectDataFile", c.ConnectDataFile(keyboard, "tune.mid"));
    text += Line("GetTimeLength", c.GetTimeLength(keyboard));
    text += Line("SetStartPosition", c.SetStartPosition(keyboard, 0));
    text += Line("SetPosition", c.SetPosition(keyboard, 1700));
    host.wait(50);
    text += Picture(host, keyboard);
    text += Line("SetPosition past the end", c.SetPosition(keyboard, 100000));
    return text;
}

// A chord whose notes stay on: once played, its keys stay lit.
std::string Playback(const TonmarkHost& host, MidiWindow keyboard) {
    const TonmarkCalls& c = host.calls;
    std::vector<midi::sMidiEvent> chord = {Event(0, 0x90, 60, 90), Event(50, 0x90, 64, 90),
                                           Event(100, 0x91, 67, 90), Event(150, 0xFF, 0x2F)};
    const Bytes bytes = FileOf(chord);
    const midi::sMemFile data{bytes.data(), int(bytes.size())};
    std::string text = "== playback\n";
    text += Line("ConnectDataMemFile", c.ConnectDataMemFile(keyboard, &data));
    const int length = c.GetTimeLength(keyboard);
    text += Line("SetPlayingStatus", c.SetPlayingStatus(keyboard, host.tickCount(), 0, length, 0, 1,
                                                        0, 0, host.output));
    const midi::KeyRect last = midi::MakeKeys()[67].rect;
    for (int waited = 0; waited < 5000; waited += 50) {
        host.wait(50);
        if (KeyShown(host, keyboard, last) == midi::kSoundingColour) break;
    }
    text += Picture(host, keyboard);
    text += Line("SetPlayingStatus stop", c.SetPlayingStatus(keyboard, host.tickCount(), 0, length,
                                                             0, 0, 0, 0, host.output));
    host.wait(50);
    return text + Picture(host, keyboard);
}

std::string Comparison(const TonmarkHost& host, MidiWindow source, MidiWindow pupil) {
    const TonmarkCalls& c = host.calls;
    const auto notes = Melody(6, 10);
    std::string text = "== comparison\n";
    for (const auto& [keyboard, bytes] : {std::pair{source, FileOf(Play(notes))},
                                          std::pair{pupil, FileOf(Play(Faster(notes, 105, 0)))}}) {
        const midi::sMemFile data{bytes.data(), int(bytes.size())};
        text += Line("ConnectDataMemFile", c.ConnectDataMemFile(keyboard, &data));
    }
    std::error_code ignored;
    std::filesystem::remove(host.reportPath, ignored);
    text += Line("MakeComparingWith", host.compareAndConfirm(source, pupil));
    text += "report\n" + ShowLineEnds(ReadBytes(host.reportPath));

    midi::sEstimate estimate{.from = 0, .to = 100000};
    const int result = c.GetEstimateStatus(source, &estimate);
    char line[160];
    std::snprintf(line, sizeof line, "GetEstimateStatus %d: score %.6f tempo %.6f shift %.1f\n",
                  result, double(estimate.averageScore), double(estimate.averageTempo),
                  double(estimate.largestShift));
    text += line;

    // Marks: the keys that only one of the two sounds at a moment.
    text += Line("SetCompared", c.SetCompared(source, pupil));
    text += Line("SetPlayingStatus marks",
                 c.SetPlayingStatus(source, host.tickCount(), 0, 0, 0, 0, 1, 1, host.output));
    text += Line("SetPosition pupil", c.SetPosition(pupil, 1700));
    text += Line("SetPosition source", c.SetPosition(source, 1700));
    host.wait(50);
    return text + Picture(host, source);
}

} // namespace

std::string TonmarkTranscript(const TonmarkHost& host) {
    host.calls.TonmarkEntry();
    std::string text = NotAKeyboard(host);
    const MidiWindow keyboard = host.newKeyboard();
    const MidiWindow pupil = host.newKeyboard();
    text += Loading(host, keyboard);
    text += Playback(host, keyboard);
    text += Comparison(host, keyboard, pupil);
    host.deleteWindow(pupil);
    host.deleteWindow(keyboard);
    return text + host.messageBoxes();
}

} // namespace dll_test
