#pragma once

#include "platform/midi_out.h"
#include "platform/ticks.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace midi::testing {

struct SentMessage {
    std::uint32_t message;
    std::uint32_t tick;
};

// An output device that remembers what it was sent, and when.
class RecordingDevice final : public platform::MidiOutDevice {
public:
    void ShortMessage(std::uint32_t message) override {
        std::lock_guard lock(mutex_);
        sent_.push_back({message, platform::TickCount()});
    }
    std::vector<SentMessage> sent() const {
        std::lock_guard lock(mutex_);
        return sent_;
    }
    std::vector<std::uint32_t> messages() const {
        std::vector<std::uint32_t> out;
        for (const auto& s : sent()) out.push_back(s.message);
        return out;
    }

private:
    mutable std::mutex mutex_;
    std::vector<SentMessage> sent_;
};

// A handle opened on a recorder, closed with the object.
struct RecordingOutput {
    RecordingOutput() : device(std::make_shared<RecordingDevice>()) {
        platform::MidiOutOpenDevice(&handle, device);
    }
    ~RecordingOutput() { platform::MidiOutClose(handle); }

    std::shared_ptr<RecordingDevice> device;
    platform::MidiOutHandle handle = platform::kNoMidiOut;
};

} // namespace midi::testing
