#pragma once

#include "engine/engine_api.h"

#include <cstdint>
#include <string>

namespace dll_test {

// The clock second every search of the transcript chooses at.
inline constexpr std::int64_t kFrozenSecond = 1000;

// How one side calls the engine: its two entry points, and what lets a stop
// request through while a search runs.
struct EngineHost {
    GetComputerMoveFn computerMove = nullptr;
    GetCurrentStateFn currentState = nullptr;
    // While on, the calling thread has messages to dispatch, so that a set
    // stop word is passed on to the search after each of them.
    void (*keepMessagesComing)(bool on) = nullptr;
    // "caption: text" lines of the message boxes shown since the last call,
    // each of them answered with OK.
    std::string (*messageBoxes)() = nullptr;
};

// Runs a fixed table of positions in the current directory, the search clock
// frozen by the host, and tells what the engine answered: statuses, moves,
// rights words, figures and the debug report's bytes.
std::string EngineTranscript(const EngineHost& host);

} // namespace dll_test
