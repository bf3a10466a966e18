#pragma once

#include "engine/engine_api.h"
#include "engine/engine_move.h"
#include "engine/figure_list.h"
#include "engine/step_tables.h"

#include <cstdint>

// A compact copy of a position for the search: figures in list order, a
// square-to-figure table and an occupancy set, all small enough to copy per
// child. It models lists the program hands over: at most 32 figures of the
// usual types and colours, no two on one square, one king a side at most.
namespace engine::fast {

inline constexpr int kMaxFigures = 32;
inline constexpr int kMaxMoves = 1024;
inline constexpr int8_t kNoFigure = -1;
inline constexpr int kNoSquare = 64;
inline constexpr int8_t kOffBoard = 16;

struct Figure {
    int8_t type, color, x, y; // x = y = 16 off the board
};

struct Position {
    Figure figures[kMaxFigures];
    int8_t board[64];
    uint64_t occupied;
    int32_t count;
    sRuleState rules;

    bool OnBoard(int i) const { return figures[i].x != kOffBoard; }
    int SquareOf(int i) const { return OnBoard(i) ? figures[i].y * 8 + figures[i].x : kNoSquare; }
};

struct Move {
    int8_t figure;
    int8_t x, y; // target
    int8_t kind;
    int8_t other; // captured figure or castling rook, or -1
    int8_t capturedType;
    int32_t price;
};

// False when the list holds something the compact form does not model.
bool Load(const sFigureList& list, const sRuleState& rules, Position& position);

int FindKing(const Position& p, int color);

// Squares attacked by one figure, or by every figure of a colour, with the
// figure on `liftedSquare` treated as absent.
uint64_t AttacksOf(const Position& p, int figure, int liftedSquare);
uint64_t AttacksBy(const Position& p, int color, int liftedSquare);

// Whether `color` attacks `square` (its occupant does not count as a blocker).
bool IsAttacked(const Position& p, int square, int color);

// The moves of one figure in step-table order; `enemyAttacks` is the other
// colour's attack set with this figure's king lifted. Returns the count.
int GenerateMoves(const Position& p, int figure, uint64_t enemyAttacks, Move* out);
int GenerateAllMoves(const Position& p, int color, uint64_t enemyAttacks, Move* out);

// The child position after `move` (rights, capture, mover, castling rook).
void Apply(Position& child, const Position& parent, const Move& move);

struct Verdict {
    GameStatus status;
    bool kingMissing;
};

// The game status of the side whose moves were generated into `moves`.
GameStatus InCheckStatus(const Position& p, int color, int king, const Move* moves, int count);

} // namespace engine::fast
