#include "midi/player.h"

#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "platform/ticks.h"

#include <chrono>

namespace midi {

Player& Player::Instance() {
    static Player player;
    return player;
}

Player::~Player() {
    {
        std::lock_guard lock(ComponentMutex());
        shuttingDown_ = true;
        ProcessPlayState().playing = 0;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void Player::EnsureRunning(CMidiKeyboard* control) {
    control_ = control;
    if (running_) return;
    // A thread that has ended only waits to be joined.
    if (thread_.joinable()) thread_.join();
    running_ = true;
    thread_ = std::thread(&Player::Run, this);
}

void Player::Forget(CMidiKeyboard* control) {
    if (control_ != control) return;
    control_ = nullptr;
    ProcessPlayState().playing = 0;
}

bool Player::Pass(std::uint32_t now) {
    sPlayState& state = ProcessPlayState();
    if (!state.playing || !control_ || shuttingDown_) return false;
    const std::uint32_t position = now + std::uint32_t(state.startPosition) - state.startTick;
    state.currentPosition = std::int32_t(position);
    // The events due before the position go out first, so that a last event
    // timed at the end position is still heard.
    const bool sentLast = control_->SetPosition(std::int32_t(position)) == -1;
    if (sentLast || position > std::uint32_t(state.endPosition)) state.playing = 0;
    return true;
}

void Player::Run() {
    std::unique_lock lock(ComponentMutex());
    for (;;) {
        wake_.wait_for(lock, std::chrono::milliseconds(kPlayerWakeMs),
                       [this] { return shuttingDown_; });
        if (!Pass(platform::TickCount())) break;
    }
    running_ = false;
}

} // namespace midi
