#pragma once

#include <array>
#include <string>

// Which engine plays the computer's side, and how the game's three levels
// map onto an outside UCI engine.
namespace engines {

// The values of the settings file's key "Engine".
enum EngineKind : int { kBuiltInEngine = 0, kUciEngine = 1 };

struct LevelPlay {
    int moveTimeMs;
    int skillLevel; // for an engine offering "Skill Level"
    int elo;        // otherwise, for one offering "UCI_LimitStrength" and "UCI_Elo"
};

struct OutsideEngineSettings {
    int kind = kBuiltInEngine;
    std::string path; // the UCI program
    std::array<LevelPlay, 3> levels{{{100, 0, 1350}, {500, 10, 1800}, {2000, 20, 2800}}};

    bool UsesOutsideEngine() const { return kind == kUciEngine && !path.empty(); }
    // The level's play, the level clamped to 0..2.
    const LevelPlay& Level(int level) const;
};

// An answer later than the move time by this much counts as none.
inline constexpr int kAnswerGraceMs = 5000;

} // namespace engines
