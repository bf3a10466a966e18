#include "app/controller/time_control.h"

#include <algorithm>

namespace {

constexpr sTimeControl kPresets[] = {{1, 0}, {3, 2}, {5, 0}, {10, 5}, {15, 10}, {30, 0}};

} // namespace

sTimeControl sTimeControl::Limited() const {
    return {std::clamp(minutes, 0, kMaxTimeControlMinutes),
            std::clamp(increment, 0, kMaxIncrementSeconds)};
}

std::span<const sTimeControl> TimeControlPresets() {
    return kPresets;
}

std::string TimeControlText(const sTimeControl& control) {
    if (!control.IsOn()) return "none";
    return std::to_string(control.minutes) + "+" + std::to_string(control.increment);
}

void CCountdown::Start(const sTimeControl& control) {
    remaining_[0] = remaining_[1] = control.minutes * 60;
    increment_ = control.increment;
    fallen_ = -1;
}

void CCountdown::TakeSecond(int color) {
    int& left = remaining_[color & 1];
    if (left > 0) --left;
    if (left == 0 && fallen_ < 0) fallen_ = color & 1;
}

void CCountdown::AddIncrement(int color) {
    if (fallen_ != (color & 1)) remaining_[color & 1] += increment_;
}
