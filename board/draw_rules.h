#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "board/owner_list.h"
#include "board/rules.h"
#include "engine/engine_api.h"

// What makes two positions the same for a repetition: the placement, the side
// to move, the castling rights and the en passant capture that can be made.
struct sPositionKey {
    std::array<int8_t, 64> squares{}; // type, negative for Black; 0 empty
    int8_t sideToMove = 0;
    uint8_t castling = 0;      // bits: White kingside, queenside, Black kingside, queenside
    int8_t enPassantFile = -1; // the file a pawn can take on, -1 none
    bool known = true;         // false: a position the game did not keep
    bool operator==(const sPositionKey&) const = default;
};

// The castling bits of colour c.
constexpr uint8_t CastlingBit(int32_t color, bool kingside) {
    return uint8_t(1u << (2 * color + (kingside ? 0 : 1)));
}

// The key of the figures and rights, `sideToMove` to move. `enPassantFile` is
// the file a pawn of the side to move can capture on (-1 for none): the caller
// knows which captures the rules accept.
sPositionKey MakePositionKey(const CFigureList& figures, const sRuleState& rights,
                             int32_t sideToMove, int8_t enPassantFile);

// A capture or a pawn move lies between the two positions: no position before
// it can come back, and the fifty-move count starts again.
bool IsIrreversible(const sPositionKey& before, const sPositionKey& after);

// How often the last position of `positions` stands in it.
int Occurrences(std::span<const sPositionKey> positions);
// Plies since the last capture or pawn move (or since the first position
// known); counts only the plies the game kept.
int PliesSinceIrreversible(std::span<const sPositionKey> positions);

// Colour c cannot mate with what it has: a lone king, or king and one knight
// or bishop.
bool CannotMate(const CFigureList& figures, int32_t color);
// Neither side can ever mate: king against king, king and one minor piece
// against king, or kings and bishops that all stand on one square colour.
bool InsufficientMaterial(const CFigureList& figures);

enum class DrawClaim { None, Repetition, FiftyMoves, InsufficientMaterial };
inline constexpr int kFiftyMovePlies = 100;
inline constexpr int kRepetitions = 3;

// The draw the last position of `positions` allows to claim, by the rules in
// this order: material, repetition, fifty moves.
DrawClaim ClaimableDraw(std::span<const sPositionKey> positions, const CFigureList& figures);

// "threefold repetition", "fifty-move rule", "insufficient material".
const char* DrawClaimText(DrawClaim claim);
