#pragma once

#include "board/rules.h"
#include "notation/position.h"

#include <string>
#include <string_view>

// A move typed on the keyboard: by its squares ("e2e4", "E2 - E4", "e7e8q"),
// which the board judges as it judges clicks, or in SAN ("Nf3", "O-O",
// "exd8=N"), which names a move of the standard rules in the position.
struct sTypedMove {
    sSquare from{0, 0};
    sSquare to{0, 0};
    int promotion = 0; // the figure asked for; 0 when none was typed
    std::string error; // why the text names no move; empty when it does
};

sTypedMove ReadTypedMove(const notation::Position& position, std::string_view text);
