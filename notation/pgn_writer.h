#pragma once

#include <string>
#include <vector>

#include "notation/position.h"

namespace notation {

// The Seven Tag Roster.
struct PgnHeader {
    std::string event = "Tavlion game";
    std::string site = "?";
    std::string date = "????.??.??";
    std::string round = "-";
    std::string white = "?";
    std::string black = "?";
    std::string result = "*";
};

struct PgnExport {
    PgnHeader header;
    Position start = StartPosition(); // a different one adds SetUp and FEN tags
    std::vector<std::string> san;
    std::string comment; // written before the first move when not empty
};

// The game as PGN text with "\n" line ends, no line longer than 79 columns.
std::string WritePgn(const PgnExport& game);

// "2024.05.17"; a part out of range is written as question marks.
std::string PgnDate(int year, int month, int day);

// "Tavlion (Easy)", "(Medium)", "(Difficult)" for the levels 0 to 2.
std::string ComputerPlayerName(int level);

// "1-0", "0-1" or "1/2-1/2" when the side to move is mated or stalemated,
// else "*".
std::string ResultOf(const Position& final);

} // namespace notation
