#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engines/outside_settings.h"
#include "notation/move.h"
#include "notation/position.h"

// Games between two UCI programs, every move checked by the standard rules
// and by the board's, written as PGN.
struct MatchPlayer {
    std::string name; // for the PGN header
    std::string path;
    std::vector<std::pair<std::string, std::string>> options; // sent after "uci"
    int moveTimeMs = 100;
};

struct MatchGame {
    std::vector<notation::Move> moves;
    std::string result = "*";      // "1-0", "0-1", "1/2-1/2"
    std::string ending;            // how it ended, for the PGN
    std::string problem;           // a program failed or broke a rule; empty when none
    double thinkingMs[2] = {0, 0}; // each side's total
    int movesMade[2] = {0, 0};
};

// Plays one game from the start position; a game longer than `maxPlies`
// is adjudicated a draw.
MatchGame PlayMatchGame(const MatchPlayer& white, const MatchPlayer& black, int maxPlies = 300);

std::string MatchGamePgn(const MatchGame& game, const MatchPlayer& white, const MatchPlayer& black,
                         int round);
