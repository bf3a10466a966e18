#pragma once

// The records the program and the engine library share. The engine reads
// and writes them in place, so their layouts are part of the interface.

#include <cstddef>
#include <cstdint>

// One figure: type (1 pawn, 2 knight, 3 bishop, 4 rook, 5 queen, 6 king),
// colour (0 white, 1 black), square, and a spare word nobody reads.
struct CFigure {
    int32_t type;
    int32_t color;
    int32_t x;
    int32_t y;
    int32_t spare;
};
static_assert(sizeof(CFigure) == 20);
static_assert(offsetof(CFigure, type) == 0 && offsetof(CFigure, color) == 4 &&
              offsetof(CFigure, x) == 8 && offsetof(CFigure, y) == 12);

// The figure list as the engine sees it: the count in the first word and the
// array of figure pointers at the third.
struct sFigureList {
    int32_t count;
    int32_t reserved;
    CFigure** figures;
};
static_assert(offsetof(sFigureList, count) == 0 && offsetof(sFigureList, figures) == 8);

// The rights block: castling, en passant and promotion words, named in
// engine/rule_words.h.
struct sRuleState {
    int32_t word[14];

    int32_t& operator[](int i) { return word[i]; }
    const int32_t& operator[](int i) const { return word[i]; }
};
static_assert(sizeof(sRuleState) == 56);

// Game status codes of GetCurrentState.
enum GameStatus : int32_t { kStatusNormal = 0, kStatusCheck = 1, kStatusMate = 2, kStatusStalemate = 3 };

extern "C" {

// Ordinal 1: the computer's move for the colour opposite to `opponentColor`.
using GetComputerMoveFn = int (*)(sFigureList* figures, int opponentColor, int level,
                                  sRuleState* rules, CFigure** captured, CFigure** moved,
                                  int* targetX, int* targetY, int* stop);

// Ordinal 2: the status of `color`.
using GetCurrentStateFn = void (*)(sFigureList* figures, int color, sRuleState* rules,
                                   int* status);
}

inline constexpr int kGetComputerMoveOrdinal = 1;
inline constexpr int kGetCurrentStateOrdinal = 2;
inline constexpr const char* kEngineLibraryName = "Engine.dll";
