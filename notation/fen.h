#pragma once

#include <string>
#include <string_view>

#include "notation/position.h"

// Forsyth-Edwards Notation: "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1".
namespace notation {

inline constexpr std::string_view kStartFen =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// All six fields. The en passant square is written while a pawn of the side
// to move stands ready to use it.
std::string WriteFen(const Position& position);

struct FenReading {
    Position position;
    std::string error; // why the text was refused; empty when it was not
    explicit operator bool() const { return error.empty(); }
};

// Reads and checks a FEN. The move counters may be left out (0 and 1).
FenReading ReadFen(std::string_view text);

// Why a position cannot be played from, or "" when it can: exactly one king
// each, no pawn on the first or last rank, no more figures than a side can
// have, and the side not to move not in check.
std::string PositionProblem(const Position& position);

} // namespace notation
