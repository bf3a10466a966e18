#pragma once

#include "platform/midi_out.h"

#include <memory>
#include <string>

namespace platform {

// The General MIDI SoundFont the mapper plays: TimGM6mb.sf2 when present,
// else the first .sf2 file in the directory; empty when there is none.
std::string FindSoundFont(const std::string& directory);

// Where the mapper looks for its SoundFont (the system's folder unless a
// caller chose another, e.g. a program shipping its own).
void SetSoundFontDirectory(std::string directory);

// A port on the process's one synthesizer, which plays through the sound
// card when there is one and silently otherwise. Null when the synthesizer
// or its SoundFont cannot be set up. Closing the last port silences it.
std::shared_ptr<MidiOutDevice> OpenMidiMapper();

} // namespace platform
