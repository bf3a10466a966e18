#pragma once

#include <condition_variable>
#include <cstdint>
#include <thread>

namespace midi {

class CMidiKeyboard;

inline constexpr int kPlayerWakeMs = 30;

// The process's one player thread. It wakes every 30 ms and moves the
// playing control to the time elapsed since the start tick. Callers hold
// ComponentMutex().
class Player {
public:
    static Player& Instance();
    ~Player();

    // Plays `control`; keeps the thread when one still runs.
    void EnsureRunning(CMidiKeyboard* control);
    // The control is going away; playback on it ends.
    void Forget(CMidiKeyboard* control);

    // One pass at tick `now`; false when the playing flag was found clear
    // (the thread then ends).
    bool Pass(std::uint32_t now);

    bool running() const { return running_; }

private:
    Player() = default;
    void Run();

    std::thread thread_;
    std::condition_variable_any wake_;
    bool running_ = false;
    bool shuttingDown_ = false;
    CMidiKeyboard* control_ = nullptr;
};

} // namespace midi
