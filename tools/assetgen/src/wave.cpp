#include "wave.h"

#include "noise.h"
#include "vec.h"

#include <cstdint>
#include <cstdio>

namespace assetgen {

Sound::Sound(float seconds, int rate) : rate_(rate), samples_(size_t(seconds * float(rate))) {}

void Sound::addPartial(float start, float frequency, float amplitude, float decay, float attack) {
    const size_t first = size_t(start * float(rate_));
    for (size_t i = first; i < samples_.size(); ++i) {
        const double t = double(i - first) / rate_;
        const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        samples_[i] += float(amplitude * rise * std::exp(-decay * t) *
                             std::sin(2 * 3.14159265358979 * frequency * t));
    }
}

void Sound::addNoiseBurst(float start, float amplitude, float decay, unsigned seed) {
    const size_t first = size_t(start * float(rate_));
    float previous = 0;
    for (size_t i = first; i < samples_.size(); ++i) {
        const float t = float(i - first) / float(rate_);
        const float white = hashUnit(int(i), 0, 0, seed) * 2 - 1;
        const float bright = white - previous; // first difference: keeps the high, crisp part
        previous = white;
        samples_[i] += amplitude * std::exp(-decay * t) * bright;
    }
}

void Sound::finish(float peak, float fade) {
    float loudest = 0;
    for (float s : samples_) loudest = std::max(loudest, std::fabs(s));
    const float scale = loudest > 0 ? peak / loudest : 0;
    const size_t fadeLength = std::min(samples_.size(), size_t(fade * float(rate_)));
    for (size_t i = 0; i < samples_.size(); ++i) {
        const size_t left = samples_.size() - i;
        const float ramp = left < fadeLength ? float(left) / float(fadeLength) : 1.0f;
        samples_[i] *= scale * ramp;
    }
}

namespace {

void put(std::FILE* f, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc(int((v >> (8 * i)) & 0xFF), f);
}

} // namespace

bool Sound::writeWav(const std::string& path) const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    const uint32_t dataBytes = uint32_t(samples_.size() * 2);
    std::fputs("RIFF", f);
    put(f, 36 + dataBytes, 4);
    std::fputs("WAVEfmt ", f);
    put(f, 16, 4);
    put(f, 1, 2); // PCM
    put(f, 1, 2); // mono
    put(f, uint32_t(rate_), 4);
    put(f, uint32_t(rate_) * 2, 4);
    put(f, 2, 2);
    put(f, 16, 2);
    std::fputs("data", f);
    put(f, dataBytes, 4);
    for (float s : samples_)
        put(f, uint32_t(uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767)))), 2);
    return std::fclose(f) == 0;
}

} // namespace assetgen
