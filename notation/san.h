#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notation/move.h"
#include "notation/position.h"

// Standard algebraic notation: "Nf3", "exd5", "Rad1", "e8=Q+", "O-O-O#".
namespace notation {

// The SAN of `move`, disambiguated against `legal` (the legal moves of the
// position). The move itself need not be among them: a castling the
// standard rules refuse is still "O-O".
std::string ToSan(const Position& position, Move move, const MoveList& legal);
std::string ToSan(const Position& position, Move move);

// The SAN of each move of a game from `start`.
std::vector<std::string> SanOfMoves(const Position& start, const std::vector<Move>& moves);

enum class SanError {
    kNone,
    kUnreadable,  // not a move in any notation
    kNotPossible, // no legal move fits
    kAmbiguous,   // more than one legal move fits
};

struct SanReading {
    Move move{};
    SanError error = SanError::kNone;
    explicit operator bool() const { return error == SanError::kNone; }
};

// Reads a move in SAN, tolerant of long forms ("Ng1f3", "g1f3", "e7e8q"),
// promotions without "=" ("e8Q"), zeros in castling ("0-0") and trailing
// check signs and annotations ("+", "#", "!?").
SanReading ParseSan(const Position& position, std::string_view text, const MoveList& legal);
SanReading ParseSan(const Position& position, std::string_view text);

} // namespace notation
