#include "platform/midi_out.h"

#include <windows.h>

#include <mmsystem.h>

// The system's MIDI output: a handle is the HMIDIOUT itself, and the result
// codes are the system's.
namespace platform {
namespace {

HMIDIOUT Native(MidiOutHandle handle) {
    return reinterpret_cast<HMIDIOUT>(static_cast<std::uintptr_t>(handle));
}

} // namespace

int MidiOutOpen(MidiOutHandle* handle, unsigned deviceId) {
    if (!handle) return kMidiError;
    HMIDIOUT opened = nullptr;
    const MMRESULT result = midiOutOpen(&opened, deviceId, 0, 0, CALLBACK_NULL);
    if (result == MMSYSERR_NOERROR)
        StoreMidiOutHandle(*handle, MidiOutHandle{reinterpret_cast<std::uintptr_t>(opened)});
    return static_cast<int>(result);
}

int MidiOutShortMsg(MidiOutHandle handle, std::uint32_t message) {
    return static_cast<int>(midiOutShortMsg(Native(handle), message));
}

int MidiOutClose(MidiOutHandle handle) {
    return static_cast<int>(midiOutClose(Native(handle)));
}

} // namespace platform
