#pragma once

#include "engine/engine_api.h"

#include <cstdint>

// Reading a position straight from a figure list: the occupant of a square
// is the first figure in list order standing there, whatever its colour.
namespace engine {

inline constexpr int kBoardSize = 8;
inline constexpr int kSquares = 64;
inline constexpr int32_t kLiftedCoordinate = 16;

inline bool OnBoard(int32_t x, int32_t y) {
    return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}
inline bool OnBoard(const CFigure& f) {
    return OnBoard(f.x, f.y);
}
inline int SquareIndex(int32_t x, int32_t y) {
    return y * kBoardSize + x;
}

// Colour 0 moves towards higher ranks, colour 1 towards lower ones.
inline int32_t Direction(int32_t color) {
    return color == 0 ? 1 : -1;
}
inline int32_t HomeRank(int32_t color) {
    return color == 0 ? 0 : 7;
}
inline int32_t OtherColor(int32_t color) {
    return color == 0 ? 1 : 0;
}
inline bool IsPlayerColor(int32_t color) {
    return color == 0 || color == 1;
}

inline int FigureCount(const sFigureList& list) {
    return list.figures && list.count > 0 ? list.count : 0;
}

// `lifted` is treated as standing off the board: it occupies nothing.
CFigure* FigureAt(const sFigureList& list, int32_t x, int32_t y, const CFigure* lifted = nullptr);

// The first king of `color` in list order, on the board or not.
CFigure* FindKing(const sFigureList& list, int32_t color);

// The figure's position in the list, or -1.
int IndexOf(const sFigureList& list, const CFigure* figure);

} // namespace engine
