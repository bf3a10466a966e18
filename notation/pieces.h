#pragma once

#include <optional>

#include "board/rules.h"

// Piece letters: upper case for White and in SAN, lower case for Black in a
// FEN placement.
namespace notation {

// Indexed by figure type; a pawn has no letter in SAN.
inline constexpr char kSanLetters[7] = {'?', '\0', 'N', 'B', 'R', 'Q', 'K'};
inline constexpr char kFenLetters[7] = {'?', 'P', 'N', 'B', 'R', 'Q', 'K'};
// Promotion choices, the usual one first.
inline constexpr FigureType kPromotionTypes[4] = {kQueen, kRook, kBishop, kKnight};

// The FEN letter of a piece: "P" for a white pawn, "q" for a black queen.
char PieceLetter(int type, int color);

// The figure type of an upper- or lower-case FEN letter.
std::optional<int> TypeOfLetter(char letter);

} // namespace notation
