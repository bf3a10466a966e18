#include "platform/midi_mapper.h"

#include "platform/fluid_synth_device.h"
#include "platform/sdl_audio.h"

#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <vector>

namespace platform {
namespace {

constexpr int kDefaultSampleRate = 44100;

std::mutex mapperMutex;
std::string soundFontDirectory = "/usr/share/sounds/sf2";

// The synthesizer and the audio device that pulls samples from it.
class MapperEngine {
public:
    static std::shared_ptr<MapperEngine> Create(const std::string& soundFont) {
        auto engine = std::shared_ptr<MapperEngine>(new MapperEngine);
        double rate = kDefaultSampleRate;
        if (engine->audio_.available()) rate = engine->OpenAudioDevice();
        engine->synth_ = FluidSynthDevice::Create(soundFont, rate);
        if (!engine->synth_) return nullptr;
        return engine;
    }

    ~MapperEngine() {
        if (device_) SDL_CloseAudioDevice(device_);
    }

    FluidSynthDevice& synth() { return *synth_; }

    void AddPort() {
        if (ports_++ == 0 && device_) SDL_PauseAudioDevice(device_, 0);
    }
    void RemovePort() {
        synth_->Reset();
        if (--ports_ == 0 && device_) SDL_PauseAudioDevice(device_, 1);
    }

private:
    MapperEngine() = default;

    double OpenAudioDevice() {
        SDL_AudioSpec wanted{};
        wanted.freq = kDefaultSampleRate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = 2;
        wanted.samples = 1024;
        wanted.callback = &MapperEngine::Fill;
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        // SDL converts for us, so the callback always gets stereo floats.
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        return device_ ? obtained.freq : kDefaultSampleRate;
    }

    static void Fill(void* self, Uint8* stream, int bytes) {
        auto& engine = *static_cast<MapperEngine*>(self);
        const int frames = bytes / int(2 * sizeof(float));
        if (engine.synth_) {
            engine.synth_->Render(reinterpret_cast<float*>(stream), frames);
        } else {
            std::fill_n(stream, bytes, Uint8{0});
        }
    }

    SdlAudioSubsystem audio_;
    SDL_AudioDeviceID device_ = 0;
    std::unique_ptr<FluidSynthDevice> synth_;
    int ports_ = 0;
};

class MapperPort final : public MidiOutDevice {
public:
    explicit MapperPort(std::shared_ptr<MapperEngine> engine) : engine_(std::move(engine)) {
        std::lock_guard lock(mapperMutex);
        engine_->AddPort();
    }
    ~MapperPort() override {
        std::lock_guard lock(mapperMutex);
        engine_->RemovePort();
    }
    void ShortMessage(std::uint32_t message) override { engine_->synth().ShortMessage(message); }

private:
    std::shared_ptr<MapperEngine> engine_;
};

// Kept for the whole run once made: reloading the SoundFont at every
// restart of the tune would stall the window.
std::shared_ptr<MapperEngine> engine;

} // namespace

std::string FindSoundFont(const std::string& directory) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path preferred = fs::path(directory) / "TimGM6mb.sf2";
    if (fs::is_regular_file(preferred, ec)) return preferred.string();
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        if (entry.path().extension() == ".sf2" && fs::is_regular_file(entry.path(), ec))
            found.push_back(entry.path());
    }
    if (found.empty()) return {};
    return std::min_element(found.begin(), found.end())->string();
}

void SetSoundFontDirectory(std::string directory) {
    std::lock_guard lock(mapperMutex);
    if (directory != soundFontDirectory) engine.reset();
    soundFontDirectory = std::move(directory);
}

std::shared_ptr<MidiOutDevice> OpenMidiMapper() {
    std::shared_ptr<MapperEngine> current;
    {
        std::lock_guard lock(mapperMutex);
        if (!engine) {
            const std::string soundFont = FindSoundFont(soundFontDirectory);
            if (!soundFont.empty()) engine = MapperEngine::Create(soundFont);
        }
        current = engine;
    }
    if (!current) return nullptr;
    return std::make_shared<MapperPort>(std::move(current));
}

} // namespace platform
