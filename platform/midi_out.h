#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace platform {

// A MIDI output handle as the host keeps it: 0 when closed. On Windows it is
// the system's HMIDIOUT. Elsewhere handles are never reused, so a closed one
// stays invalid and sending to it does nothing.
#ifdef _WIN32
enum class MidiOutHandle : std::uintptr_t {};
#else
enum class MidiOutHandle : std::uint32_t {};
#endif
inline constexpr MidiOutHandle kNoMidiOut{};

inline constexpr unsigned kMidiMapper = 0xFFFFFFFFu;

// Result codes keep the values of the Windows calls they replace.
enum MidiOutResult { kMidiOk = 0, kMidiError = 1, kMidiBadDeviceId = 2, kMidiInvalidHandle = 5 };

// Anything that accepts packed short messages: status | data1 << 8 | data2 << 16.
class MidiOutDevice {
public:
    virtual ~MidiOutDevice() = default;
    virtual void ShortMessage(std::uint32_t message) = 0;
};

// Opens the device (only the MIDI mapper exists) and stores the new handle.
int MidiOutOpen(MidiOutHandle* handle, unsigned deviceId);

#ifndef _WIN32
// Opens a handle on a device of the caller's own (a recorder, a file writer).
// Windows has no such devices: its handles come from the system.
int MidiOutOpenDevice(MidiOutHandle* handle, std::shared_ptr<MidiOutDevice> device);
#endif

// Safe from any thread, also against a concurrent close.
int MidiOutShortMsg(MidiOutHandle handle, std::uint32_t message);

int MidiOutClose(MidiOutHandle handle);

// A handle variable is read by a player thread while its owner opens and
// closes it; these access it atomically.
inline MidiOutHandle ReadMidiOutHandle(const MidiOutHandle& variable) {
    return std::atomic_ref(const_cast<MidiOutHandle&>(variable)).load(std::memory_order_acquire);
}
inline void StoreMidiOutHandle(MidiOutHandle& variable, MidiOutHandle value) {
    std::atomic_ref(variable).store(value, std::memory_order_release);
}

} // namespace platform
