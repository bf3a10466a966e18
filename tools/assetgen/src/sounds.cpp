#include "output.h"
#include "wave.h"

namespace assetgen {

namespace {

// A piece set down on the board: a short knock of hard wood.
Sound woodenStep() {
    Sound s(0.16f);
    struct Mode {
        float frequency, amplitude, decay;
    };
    static constexpr Mode kModes[] = {
        {610, 1.0f, 38}, {1430, 0.55f, 60}, {2390, 0.3f, 90}, {3710, 0.18f, 130}};
    for (const Mode& m : kModes) s.addPartial(0.0f, m.frequency, m.amplitude, m.decay, 0.0008f);
    s.addNoiseBurst(0.0f, 0.5f, 400, 7);
    s.finish(0.7f, 0.03f);
    return s;
}

// Glassy bell: a few slightly stretched partials, the higher ones dying sooner.
void bell(Sound& s, float start, float frequency, float loudness) {
    static constexpr float kRatios[] = {1.0f, 2.01f, 2.76f, 4.07f};
    static constexpr float kLevels[] = {1.0f, 0.4f, 0.22f, 0.1f};
    for (int i = 0; i < 4; ++i)
        s.addPartial(start, frequency * kRatios[i], loudness * kLevels[i], 4.5f + 3.0f * float(i));
}

// Check: a falling two-tone chime (E6, then C6).
Sound checkChime() {
    Sound s(0.8f);
    bell(s, 0.0f, 1318.5f, 1.0f);
    bell(s, 0.2f, 1046.5f, 0.9f);
    s.finish(0.6f, 0.12f);
    return s;
}

// Soft keyboard tone: a few harmonics, the upper ones fading fast.
void mellowNote(Sound& s, float start, float frequency, float loudness) {
    static constexpr float kLevels[] = {1.0f, 0.35f, 0.15f, 0.06f};
    for (int h = 0; h < 4; ++h)
        s.addPartial(start, frequency * float(h + 1), loudness * kLevels[h], 2.2f + 2.5f * float(h),
                     0.004f);
}

// End of the game: a dominant chord resolving to the tonic, each chord gently rolled.
Sound finalCadence() {
    Sound s(1.9f);
    static constexpr float kDominant[] = {392.0f, 493.9f, 587.3f};      // G4 B4 D5
    static constexpr float kTonic[] = {261.6f, 523.3f, 659.3f, 784.0f}; // C4 C5 E5 G5
    for (int i = 0; i < 3; ++i) mellowNote(s, 0.03f * float(i), kDominant[i], 0.8f);
    for (int i = 0; i < 4; ++i) mellowNote(s, 0.42f + 0.035f * float(i), kTonic[i], 0.85f);
    s.finish(0.65f, 0.4f);
    return s;
}

} // namespace

bool writeSounds(const Output& out) {
    bool ok = woodenStep().writeWav(out.file("assets/data/Sounds/step.wav"));
    ok = checkChime().writeWav(out.file("assets/data/Sounds/shah.wav")) && ok;
    ok = finalCadence().writeWav(out.file("assets/data/Sounds/mat.wav")) && ok;
    return writeMidiTune(out) && ok;
}

} // namespace assetgen
