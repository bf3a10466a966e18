#pragma once

#include <string>
#include <vector>

namespace assetgen {

// A mono sound being built up from parts, at a fixed sample rate.
class Sound {
public:
    explicit Sound(float seconds, int rate = 44100);

    int rate() const { return rate_; }
    // A decaying sine from `start` seconds on; `attack` seconds of rise avoid a click.
    void addPartial(float start, float frequency, float amplitude, float decay,
                    float attack = 0.002f);
    // A burst of brightened noise, for the knock of wood on wood.
    void addNoiseBurst(float start, float amplitude, float decay, unsigned seed);
    // Scales the loudest sample to `peak` and fades the last `fade` seconds out.
    void finish(float peak, float fade);

    bool writeWav(const std::string& path) const;
    const std::vector<float>& samples() const { return samples_; }

private:
    int rate_;
    std::vector<float> samples_;
};

} // namespace assetgen
