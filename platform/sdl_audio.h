#pragma once

namespace platform {

// Holds SDL's audio subsystem for as long as the object lives. SDL counts
// the holders, so every part of the program that plays sound keeps its own.
class SdlAudioSubsystem {
public:
    SdlAudioSubsystem();
    ~SdlAudioSubsystem();
    SdlAudioSubsystem(const SdlAudioSubsystem&) = delete;
    SdlAudioSubsystem& operator=(const SdlAudioSubsystem&) = delete;

    // False on a machine where no audio driver starts: sound is then silent.
    bool available() const { return available_; }

private:
    bool available_ = false;
};

} // namespace platform
