#pragma once

#include <cstdint>
#include <span>
#include <string>

// Minutes per side and seconds added after each move; no minutes: the clocks
// only count up, as they always did.
struct sTimeControl {
    int minutes = 0;
    int increment = 0;

    bool IsOn() const { return minutes > 0; }
    // Brought into the ranges the dialog offers (a file may hold anything).
    sTimeControl Limited() const;
    bool operator==(const sTimeControl&) const = default;
};

inline constexpr int kMaxTimeControlMinutes = 600;
inline constexpr int kMaxIncrementSeconds = 600;
// Under this many seconds a clock shows red.
inline constexpr int kLowTimeSeconds = 10;

// The presets of the Time Control dialog, "1+0" .. "30+0".
std::span<const sTimeControl> TimeControlPresets();
// "5+0", or "none".
std::string TimeControlText(const sTimeControl& control);

// Two clocks that count down whole seconds. A flag that has fallen stays
// down, and its side gets no more increments.
class CCountdown {
public:
    void Start(const sTimeControl& control);
    // One second off `color`'s clock.
    void TakeSecond(int color);
    void AddIncrement(int color);
    int Remaining(int color) const { return remaining_[color & 1]; }
    // The side whose time ran out first, or -1.
    int Fallen() const { return fallen_; }

private:
    int remaining_[2] = {0, 0};
    int increment_ = 0;
    int fallen_ = -1;
};
