#include "platform/sound.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

// SDL counts the users of its audio subsystem, so the music synthesizer and
// the effects each hold their own share.
class AudioSubsystem {
public:
    AudioSubsystem() {
        // SDL would otherwise take over SIGINT and SIGTERM from the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            started = true;
            return;
        }
        // No driver of the system starts: the dummy one consumes the sound
        // in real time, so callers still wait as long as it plays.
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    ~AudioSubsystem() {
        if (started) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool started = false;
};

uint32_t DurationMs(const SDL_AudioSpec& wave, uint32_t bytes) {
    const uint32_t frameBytes =
        SDL_AUDIO_BITSIZE(wave.format) / 8 * std::max<uint32_t>(wave.channels, 1);
    if (wave.freq <= 0 || frameBytes == 0) return 0;
    return static_cast<uint32_t>(uint64_t(bytes) / frameBytes * 1000 / uint32_t(wave.freq));
}

// Queues the whole sound and waits until the device has taken it, then for
// the device's own buffer. Gives up after the sound's length and a second,
// so a stalled device cannot hang the caller.
void PlayOnDevice(SDL_AudioDeviceID device, const SDL_AudioSpec& obtained, Uint8* samples,
                  uint32_t bytes, uint32_t durationMs) {
    SDL_QueueAudio(device, samples, bytes);
    SDL_PauseAudioDevice(device, 0);
    const uint32_t start = SDL_GetTicks();
    while (SDL_GetQueuedAudioSize(device) > 0 && SDL_GetTicks() - start < durationMs + 1000)
        SDL_Delay(5);
    const uint32_t elapsed = SDL_GetTicks() - start;
    uint32_t rest =
        obtained.freq > 0 ? uint32_t(obtained.samples) * 1000 / uint32_t(obtained.freq) : 0;
    if (elapsed + rest < durationMs) rest = durationMs - elapsed;
    SDL_Delay(rest);
}

} // namespace

bool PlayWaveFile(const std::string& path) {
    static AudioSubsystem audio;
    SDL_AudioSpec wave;
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(path.c_str(), &wave, &samples, &bytes)) return false;
    const uint32_t durationMs = DurationMs(wave, bytes);

    SDL_AudioSpec obtained = wave;
    const SDL_AudioDeviceID device =
        audio.started ? SDL_OpenAudioDevice(nullptr, 0, &wave, &obtained, 0) : 0;
    if (device != 0) {
        PlayOnDevice(device, obtained, samples, bytes, durationMs);
        SDL_CloseAudioDevice(device);
    } else {
        // No device opens: the sound is not heard, but the caller waits for
        // it as it would for a played one.
        SDL_Delay(durationMs);
    }
    SDL_FreeWAV(samples);
    return true;
}

} // namespace platform
