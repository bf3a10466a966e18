#include "platform/fluid_synth_device.h"

#include <fluidsynth.h>

namespace platform {
namespace {

void QuietenLibraryChatter() {
    // Missing presets and similar notes are not the player's business.
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

} // namespace

std::unique_ptr<FluidSynthDevice> FluidSynthDevice::Create(const std::string& soundFont,
                                                           double sampleRate) {
    QuietenLibraryChatter();
    std::unique_ptr<FluidSynthDevice> device(new FluidSynthDevice);
    device->settings_ = new_fluid_settings();
    if (!device->settings_) return nullptr;
    // Messages come from the player thread while the audio thread renders.
    fluid_settings_setint(device->settings_, "synth.threadsafe-api", 1);
    fluid_settings_setnum(device->settings_, "synth.sample-rate", sampleRate);
    device->synth_ = new_fluid_synth(device->settings_);
    if (!device->synth_) return nullptr;
    if (fluid_synth_sfload(device->synth_, soundFont.c_str(), 1) == FLUID_FAILED) return nullptr;
    return device;
}

FluidSynthDevice::~FluidSynthDevice() {
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

void FluidSynthDevice::ShortMessage(std::uint32_t message) {
    const int status = message & 0xFF;
    const int data1 = (message >> 8) & 0x7F;
    const int data2 = (message >> 16) & 0x7F;
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth_, channel, data1, data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_, channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, data1 | data2 << 7);
        break;
    default:
        break; // system messages have no meaning for the synthesizer
    }
}

void FluidSynthDevice::Render(float* stereo, int frames) {
    fluid_synth_write_float(synth_, frames, stereo, 0, 2, stereo, 1, 2);
}

void FluidSynthDevice::Reset() {
    fluid_synth_all_sounds_off(synth_, -1);
    fluid_synth_system_reset(synth_);
}

} // namespace platform
