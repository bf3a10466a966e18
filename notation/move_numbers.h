#pragma once

#include <string>
#include <vector>

namespace notation {

// How the move of a game that Black begins is numbered: "12... e5" in a PGN
// file, "12. ... e5" on screen.
enum class NumberStyle { kPgn, kScreen };

// The moves with their numbers in front of White's: {"1. e4", "e5",
// "2. Nf3"}; `firstNumber` and `firstSide` (0 White, 1 Black) tell the move
// the list begins with.
std::vector<std::string> NumberedMoves(const std::vector<std::string>& san, int firstNumber,
                                       int firstSide, NumberStyle style);

// The numbered moves in one line: "1. e4 e5 2. Nf3 Nc6".
std::string MoveText(const std::vector<std::string>& san, int firstNumber, int firstSide,
                     NumberStyle style = NumberStyle::kScreen);

// "Move 12 of White": the number and side of the ply-th move (from 0).
std::string MoveName(int ply, int firstNumber, int firstSide);

} // namespace notation
