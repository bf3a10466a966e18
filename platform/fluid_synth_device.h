#pragma once

#include "platform/midi_out.h"

#include <memory>
#include <string>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace platform {

// A General MIDI synthesizer playing one SoundFont. Messages may arrive on
// one thread while another renders: the synthesizer locks its own state.
class FluidSynthDevice final : public MidiOutDevice {
public:
    // Null when the synthesizer or the SoundFont cannot be set up.
    static std::unique_ptr<FluidSynthDevice> Create(const std::string& soundFont,
                                                    double sampleRate);
    ~FluidSynthDevice() override;

    void ShortMessage(std::uint32_t message) override;

    // Interleaved stereo: 2 * frames floats.
    void Render(float* stereo, int frames);

    // Silences every channel at once and restores the initial controllers.
    void Reset();

private:
    FluidSynthDevice() = default;

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

} // namespace platform
