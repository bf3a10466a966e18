#pragma once

#include <optional>

#include "notation/move.h"
#include "notation/position.h"

// What answers "go": a search of a position at one of the game's levels.
struct SearchResult {
    std::optional<notation::Move> move; // a legal move; none when there is no move
    int depth = 0;
    long long nodes = 0;
    int scoreCp = 0; // for the side to move
};

class Searcher {
public:
    virtual ~Searcher() = default;
    // `stop` turns 1 while the search runs when it is to end early; the
    // search looks at it whenever PumpMessages reports a dispatched message.
    virtual SearchResult Search(const notation::Position& position, int level, int* stop) = 0;
};
