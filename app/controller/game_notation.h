#pragma once

#include "board/board.h"
#include "board/move_table.h"
#include "notation/board_bridge.h"
#include "notation/board_history.h"
#include "notation/position.h"

#include <string>
#include <vector>

// The game on the board in the terms of the notation library: where it
// began, the moves played and the position they lead to.
namespace game_notation {

// The position a game began from: the set-up one when `startFen` holds one,
// else the usual start.
notation::Position StartOf(const std::string& startFen);

// The figures on the board as a snapshot lists them.
std::vector<sState> PiecesOf(const CBoard& board);

// The first `count` moves of the move list (all when negative), with the
// figures promotions made as far as the history records tell them.
std::vector<notation::PlayedMove> PlayedMoves(const CBoard& board, const CMoveTable& table,
                                              const notation::Position& start, int count = -1);

// The position on the board with `side` to move and the counters of `turn`.
notation::Position PositionOnBoard(const CBoard& board, const notation::BoardTurn& turn);

} // namespace game_notation
