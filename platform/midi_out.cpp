#include "platform/midi_out.h"

#include "platform/midi_mapper.h"

#include <map>
#include <mutex>

namespace platform {
namespace {

class OpenDevices {
public:
    MidiOutHandle Add(std::shared_ptr<MidiOutDevice> device) {
        std::lock_guard lock(mutex_);
        const auto handle = MidiOutHandle{++lastHandle_};
        devices_.emplace(handle, std::move(device));
        return handle;
    }

    int Send(MidiOutHandle handle, std::uint32_t message) {
        std::lock_guard lock(mutex_);
        const auto found = devices_.find(handle);
        if (found == devices_.end()) return kMidiInvalidHandle;
        found->second->ShortMessage(message);
        return kMidiOk;
    }

    int Remove(MidiOutHandle handle) {
        std::shared_ptr<MidiOutDevice> closing;
        {
            std::lock_guard lock(mutex_);
            const auto found = devices_.find(handle);
            if (found == devices_.end()) return kMidiInvalidHandle;
            closing = std::move(found->second);
            devices_.erase(found);
        }
        return kMidiOk; // the device closes here, outside the lock
    }

private:
    std::mutex mutex_;
    std::uint32_t lastHandle_ = 0;
    std::map<MidiOutHandle, std::shared_ptr<MidiOutDevice>> devices_;
};

// Never destroyed: a player thread may still send while the process exits.
OpenDevices& Devices() {
    static OpenDevices* devices = new OpenDevices;
    return *devices;
}

} // namespace

int MidiOutOpen(MidiOutHandle* handle, unsigned deviceId) {
    if (!handle) return kMidiError;
    if (deviceId != kMidiMapper) return kMidiBadDeviceId;
    auto mapper = OpenMidiMapper();
    if (!mapper) return kMidiError;
    return MidiOutOpenDevice(handle, std::move(mapper));
}

int MidiOutOpenDevice(MidiOutHandle* handle, std::shared_ptr<MidiOutDevice> device) {
    if (!handle || !device) return kMidiError;
    StoreMidiOutHandle(*handle, Devices().Add(std::move(device)));
    return kMidiOk;
}

int MidiOutShortMsg(MidiOutHandle handle, std::uint32_t message) {
    return Devices().Send(handle, message);
}

int MidiOutClose(MidiOutHandle handle) {
    return Devices().Remove(handle);
}

} // namespace platform
