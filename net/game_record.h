#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game one side has played, as it travels when a dropped connection is
// taken up again: the position on its board and every move since the game
// began. Both sides compare what they have and agree on how to go on.

struct sPlayedMove {
    int8_t fromX = 0, fromY = 0, toX = 0, toY = 0;
    bool operator==(const sPlayedMove&) const = default;
};

struct sGameRecord {
    // 64 characters, a1 to h8 rank by rank: "PNBRQK" White, "pnbrqk" Black,
    // "." empty.
    std::string position;
    std::vector<sPlayedMove> moves; // in order; White moves first
    bool operator==(const sGameRecord&) const = default;
};

// More moves than any game has; a longer record is not compared.
inline constexpr size_t kMaxRecordMoves = 10000;

// "1 <position> e2e4 e7e5 ...": a version, then the fields, one space apart;
// at most kMaxRecordMoves + 1 moves, a little under 64 KiB.
std::string EncodeGameRecord(const sGameRecord& record);
// Nothing for anything but what EncodeGameRecord writes for a record of at
// most kMaxRecordMoves moves on the board.
std::optional<sGameRecord> DecodeGameRecord(std::string_view text);

// The colour to move after `moveCount` moves: 0 White, 1 Black.
int ColorToMove(size_t moveCount);

enum class GameMatch {
    Same,        // the same moves and position: play goes on
    MineAhead,   // this side made one move more, its own: it is sent again
    TheirsAhead, // the peer made one move more, its own: it is on its way
    Differ,      // anything else: each side keeps its own game
};

// Compares this side's game with the peer's; `myColor` is the colour this
// side plays. The peer, comparing the other way round, comes to the mirrored
// answer.
GameMatch CompareGames(const sGameRecord& mine, const sGameRecord& theirs, int myColor);
