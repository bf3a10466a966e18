// Both MIDI loaders: MidiFile::LoadMemory (behind ConnectDataMemFile) and
// MidiFile::LoadFile (behind ConnectDataFile). The same bytes must give the
// same result and the same events either way; a keyboard control then walks
// the loaded track from start to end.
#include "fuzz/fuzz_support.h"
#include "midi/midi_file.h"
#include "midi/midi_keyboard.h"

#include <climits>

namespace {

bool SameEvents(const midi::MidiFile& a, const midi::MidiFile& b) {
    if (a.tracks().size() != b.tracks().size()) return false;
    for (size_t t = 0; t < a.tracks().size(); ++t) {
        const auto& x = a.tracks()[t].events;
        const auto& y = b.tracks()[t].events;
        if (x.size() != y.size()) return false;
        for (size_t i = 0; i < x.size(); ++i)
            if (x[i].status != y[i].status || x[i].data1 != y[i].data1 ||
                x[i].data2 != y[i].data2 || x[i].time != y[i].time)
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT_MAX) return 0;
    midi::MidiFile fromMemory;
    const int memoryResult = fromMemory.LoadMemory(data, static_cast<int>(size));

    midi::MidiFile fromFile;
    const int fileResult = fromFile.LoadFile(fuzz::WriteInputFile(data, size, "song.mid"));
    // An empty or very short file is refused by both, with their own codes.
    if (size >= 14 && fileResult != memoryResult)
        fuzz::Fail("the file and memory loaders disagree");
    if (!SameEvents(fromMemory, fromFile)) fuzz::Fail("the loaders read different events");

    midi::CMidiKeyboard keyboard;
    keyboard.file() = std::move(fromMemory);
    const int length = keyboard.TimeLength();
    keyboard.SetStartPosition(0);
    for (int step = 0; step <= 8; ++step) keyboard.SetPosition(length / 8 * step);
    keyboard.SetPosition(INT_MAX);
    for (int key = 0; key < midi::kKeyCount; ++key) keyboard.ColourOf(key);
    return 0;
}
