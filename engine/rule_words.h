#pragma once

#include <cstdint>

// The words of the rights block sRuleState (engine/engine_api.h), for colour
// c, as the board, the game files, the packets and the engine share them.
namespace rule {

// The king has moved: castling is lost on both sides.
constexpr int KingMoved(int32_t c) {
    return c;
}
// A pawn of c may capture en passant now, onto the square (EnPassantX,
// EnPassantY) the enemy pawn passed over.
constexpr int EnPassantAllowed(int32_t c) {
    return 2 + c;
}
constexpr int EnPassantX(int32_t c) {
    return 4 + 2 * c;
}
constexpr int EnPassantY(int32_t c) {
    return 5 + 2 * c;
}
// The rook of file H (x = 7) has moved: kingside castling is lost.
constexpr int RookHMoved(int32_t c) {
    return 8 + 2 * c;
}
// The rook of file A (x = 0) has moved: queenside castling is lost.
constexpr int RookAMoved(int32_t c) {
    return 9 + 2 * c;
}
// The move the block comes with promotes a pawn, to kPromotedType.
inline constexpr int kPromotion = 12;
inline constexpr int kPromotedType = 13;
inline constexpr int kStoredWords = 12; // words kept in a game file
inline constexpr int kWords = 14;

// What a new game clears; the en-passant squares and the promotion words
// keep their values.
inline constexpr int kNewGameWords[] = {KingMoved(0),        KingMoved(1),  EnPassantAllowed(0),
                                        EnPassantAllowed(1), RookHMoved(0), RookAMoved(0),
                                        RookHMoved(1),       RookAMoved(1)};

// The engine files its rook flags under the other file: a rook that stood on
// file A sets the word the board reads as file H's, and the other way round,
// and its rook score reads them back the same way. Saved games and peers
// carry the words as both sides write them, so the two readings stay; this is
// the one place that swaps them.
constexpr int EngineRookMoved(int32_t c, int32_t cornerX) {
    return cornerX == 0 ? RookHMoved(c) : RookAMoved(c);
}

} // namespace rule
