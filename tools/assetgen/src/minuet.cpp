#include "midi_file.h"
#include "output.h"

#include <cstdio>
#include <sstream>

namespace assetgen {

namespace {

// Minuet in G major from the 1725 notebook, for keyboard. One string per bar:
// note name with octave (C4 is middle C), a colon and the length: e eighth, q quarter,
// h half, h. dotted half.
constexpr const char* kMelody[] = {
    // First strain
    "D5:q G4:e A4:e B4:e C5:e",
    "D5:q G4:q G4:q",
    "E5:q C5:e D5:e E5:e F#5:e",
    "G5:q G4:q G4:q",
    "C5:q D5:e C5:e B4:e A4:e",
    "B4:q C5:e B4:e A4:e G4:e",
    "F#4:q G4:e A4:e B4:e G4:e",
    "A4:h.",
    "D5:q G4:e A4:e B4:e C5:e",
    "D5:q G4:q G4:q",
    "E5:q C5:e D5:e E5:e F#5:e",
    "G5:q G4:q G4:q",
    "C5:q D5:e C5:e B4:e A4:e",
    "B4:q C5:e B4:e A4:e G4:e",
    "A4:q B4:e A4:e G4:e F#4:e",
    "G4:h.",
    // Second strain
    "B5:q G5:e A5:e B5:e G5:e",
    "A5:q D5:e E5:e F#5:e D5:e",
    "G5:q E5:e F#5:e G5:e D5:e",
    "C#5:q B4:e C#5:e A4:q",
    "A4:e B4:e C#5:e D5:e E5:e F#5:e",
    "G5:q F#5:q E5:q",
    "F#5:q A4:q C#5:q",
    "D5:h.",
    "D5:q G4:e F#4:e G4:q",
    "E5:q G4:e F#4:e G4:q",
    "D5:q C5:q B4:q",
    "A4:e G4:e F#4:e G4:e A4:q",
    "D4:e E4:e F#4:e G4:e A4:e B4:e",
    "C5:q B4:q A4:q",
    "B4:e D5:e G4:q F#4:q",
    "G4:h.",
};

constexpr const char* kBass[] = {
    "G3:h A3:q",  "B3:h.",           "C4:h.",           "B3:h.",
    "A3:h.",      "G3:h.",           "D4:q B3:q G3:q",  "D4:q D3:e C4:e B3:e A3:e",
    "B3:h A3:q",  "G3:q B3:q G3:q",  "C4:h.",           "B3:q C4:e B3:e A3:e G3:e",
    "A3:h F#3:q", "G3:h B3:q",       "C4:q D4:q D3:q",  "G3:q G2:h",
    "G3:h.",      "F#3:h.",          "E3:h G3:q",       "A3:h A2:q",
    "A3:h.",      "B3:h C#4:q",      "D4:q F#3:q A3:q", "D4:q D3:q C4:q",
    "B3:h.",      "C4:h.",           "B3:q A3:q G3:q",  "D4:h.",
    "D3:h.",      "E3:q G3:q F#3:q", "G3:h D3:q",       "G2:h.",
};

constexpr int kBars = 32, kStrainBars = 16;
constexpr uint32_t kQuarter = 480, kBar = 3 * kQuarter;

static_assert(std::size(kMelody) == kBars && std::size(kBass) == kBars);

struct Note {
    int key;
    uint32_t length;
};

int keyNumber(const std::string& name) {
    static constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int key = kSemitones[name[0] - 'A'];
    size_t i = 1;
    if (name[i] == '#') key += 1, ++i;
    if (name[i] == 'b') key -= 1, ++i;
    return key + 12 * (std::stoi(name.substr(i)) + 1);
}

uint32_t lengthTicks(const std::string& code) {
    const uint32_t base = code[0] == 'e' ? kQuarter / 2 : code[0] == 'q' ? kQuarter : 2 * kQuarter;
    return code.size() > 1 && code[1] == '.' ? base * 3 / 2 : base;
}

std::vector<Note> parseBar(const char* bar) {
    std::vector<Note> notes;
    std::istringstream words(bar);
    std::string word;
    while (words >> word) {
        const size_t colon = word.find(':');
        notes.push_back({keyNumber(word.substr(0, colon)), lengthTicks(word.substr(colon + 1))});
    }
    return notes;
}

// Plays one bar of a voice from `start`, slightly detached, first beat a little stronger.
void playBar(MidiTrack& track, uint32_t start, const char* bar, int velocity, int percentHeld) {
    uint32_t at = start;
    for (const Note& n : parseBar(bar)) {
        const int accent = at == start ? 8 : 0;
        track.note(at, n.length * uint32_t(percentHeld) / 100, 0, n.key, velocity + accent);
        at += n.length;
    }
    if (at != start + kBar) std::fprintf(stderr, "assetgen: bar \"%s\" is not three beats\n", bar);
}

} // namespace

bool writeMidiTune(const Output& out) {
    MidiTrack track{int(kQuarter)};
    track.text(0, 0x03, "Minuet in G");
    track.tempo(0, 116);
    track.program(0, 0, 0); // acoustic grand piano
    // Each strain is played twice, as the repeat signs ask.
    constexpr int kOrder[] = {0, 0, 1, 1};
    uint32_t tick = 0;
    for (int strain : kOrder)
        for (int bar = strain * kStrainBars; bar < (strain + 1) * kStrainBars; ++bar) {
            const bool lastBars = strain == 1 && tick >= 62 * kBar;
            if (lastBars) track.tempo(tick, tick >= 63 * kBar ? 92 : 104); // closing ritardando
            playBar(track, tick, kMelody[bar], 78, 88);
            playBar(track, tick, kBass[bar], 60, 94);
            tick += kBar;
        }
    // A short breath before the tune starts over.
    track.text(tick + kQuarter, 0x06, "End");

    const std::vector<unsigned char> bytes = track.bytes();
    const std::string path = out.file("assets/data/Sounds/SONAT_A1.MID");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

} // namespace assetgen
