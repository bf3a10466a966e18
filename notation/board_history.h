#pragma once

#include <string>
#include <vector>

#include "board/board_state.h"
#include "notation/move.h"
#include "notation/position.h"

// Games between this library and the board's history.
namespace notation {

// The positions of a game as the board's history keeps them: the start
// (no last move), then one record after each move with that move as its last
// move. Figures keep their places in the list from record to record; taken
// ones join the captured lists. A record after a promotion marks it in words
// 12 and 13, as the board does.
std::vector<sBoardState> HistoryOfGame(const Position& start, const std::vector<Move>& moves);

// A move as the board played it.
struct PlayedMove {
    sLastMove squares;
    int32_t promotion = 0; // the figure a pawn became; 0 when not known (a queen)
};

Move MoveOfPlayed(const PlayedMove& played);

// Whether the standard rules of chess allow the board's move in `position`.
bool IsStandardMove(const Position& position, const PlayedMove& played);

struct PlayedGameText {
    std::vector<std::string> san;
    Position end;
    // "Move 12 of White, O-O, is not legal under the standard rules of chess;
    // other programs may refuse this game", for the first such move.
    std::string warning;
    // Why the moves stopped short of the end; empty when they did not.
    std::string error;
};

// The SAN of a game played on the board from `start`, as it was played.
PlayedGameText DescribePlayedGame(const Position& start, const std::vector<PlayedMove>& moves);

// A history record and how many moves of the game lie before it.
struct BoardCheckpoint {
    int ply;
    const sBoardState* state;
};

// Fills in the figure that each promotion of unknown type made, from the
// records around it: the figures of a side on the board and among the
// captured grow by the promoted one between the record before and the one
// after the move.
void ResolvePromotions(const Position& start, std::vector<PlayedMove>& moves,
                       const std::vector<BoardCheckpoint>& checkpoints);

} // namespace notation
