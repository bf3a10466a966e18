#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "notation/move.h"
#include "notation/position.h"

// Reading PGN files: first the list of games with their tags, quickly, then
// the one game chosen, with every move checked by the standard rules.
namespace notation {

struct PgnTag {
    std::string name;
    std::string value;
};

// One game of a file, as the list shows it.
struct PgnGameEntry {
    std::vector<PgnTag> tags;
    int plyCount = 0; // moves of both sides in the main line
    size_t begin = 0; // the game's bytes in the file text
    size_t end = 0;

    // The tag's value, or "" when the game has no such tag.
    std::string Tag(std::string_view name) const;
    // Moves counted as the move numbers do: one for White's and Black's.
    int MoveCount() const;
    // "Game 3 (Anna - Boris)", for messages about it; `index` counts from 0.
    std::string Name(int index) const;
};

std::vector<PgnGameEntry> ListPgnGames(std::string_view text);

struct PgnGame {
    std::vector<PgnTag> tags;
    Position start;
    bool setUp = false; // began from a position of its own
    std::vector<Move> moves;
    std::string result = "*";
};

struct PgnGameReading {
    PgnGame game;
    std::string error; // names the game, the move and why; empty on success
    explicit operator bool() const { return error.empty(); }
};

// Reads the game `entry` of `text` (the text its list came from); `index`
// is its place in the list, for messages.
PgnGameReading ReadPgnGame(std::string_view text, const PgnGameEntry& entry, int index);

} // namespace notation
