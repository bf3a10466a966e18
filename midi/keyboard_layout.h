#pragma once

#include <array>
#include <cstdint>

namespace midi {

inline constexpr int kKeyCount = 120; // key k shows MIDI note k
inline constexpr int kOctaveWidth = 42;

// Client pixels; right and bottom exclusive.
struct KeyRect {
    std::int32_t left, top, right, bottom;
    friend bool operator==(const KeyRect&, const KeyRect&) = default;
};

struct sKey {
    KeyRect rect;
    std::uint8_t velocity = 0; // 0 = silent
    std::uint8_t isBlack = 0;
    std::int8_t mark = 0; // +1 only the compared control sounds it, -1 only this one
};

struct KeyColour {
    std::uint8_t r, g, b;
    friend bool operator==(const KeyColour&, const KeyColour&) = default;
};

inline constexpr KeyColour kWhiteKeyColour{225, 225, 255};
inline constexpr KeyColour kBlackKeyColour{100, 100, 155};
inline constexpr KeyColour kSoundingColour{255, 255, 55};
inline constexpr KeyColour kOnlyComparedColour{0, 255, 0};
inline constexpr KeyColour kOnlyThisColour{255, 0, 0};
inline constexpr KeyColour kBackgroundColour{192, 192, 192};

// Framed with the black-key colour around the keys.
inline constexpr KeyRect kKeyboardFrame{2, 0, 430, 32};

namespace layout {

struct KeyShape {
    std::int32_t left, top, right, bottom; // relative to the octave's base x
    bool black;
};

// White keys fill the lower band edge to edge; black keys sit in the upper
// band over the joints between white keys.
inline constexpr std::array<KeyShape, 12> kOctave{{
    {-8, 15, -2, 30, false},
    {-4, 0, 0, 15, true},
    {-2, 15, 4, 30, false},
    {2, 0, 6, 15, true},
    {4, 15, 10, 30, false},
    {10, 15, 16, 30, false},
    {14, 0, 18, 15, true},
    {16, 15, 22, 30, false},
    {20, 0, 24, 15, true},
    {22, 15, 28, 30, false},
    {26, 0, 30, 15, true},
    {28, 15, 34, 30, false},
}};

inline constexpr std::int32_t kFirstOctaveBase = 14;

} // namespace layout

// The idle keyboard: every key silent and unmarked.
constexpr std::array<sKey, kKeyCount> MakeKeys() {
    std::array<sKey, kKeyCount> keys{};
    for (int k = 0; k < kKeyCount; ++k) {
        const layout::KeyShape& shape = layout::kOctave[k % 12];
        const std::int32_t base = layout::kFirstOctaveBase + kOctaveWidth * (k / 12);
        keys[k].rect = {base + shape.left, shape.top, base + shape.right, shape.bottom};
        keys[k].isBlack = shape.black;
    }
    return keys;
}

} // namespace midi
