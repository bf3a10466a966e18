#pragma once

#include <vector>

#include "board/board_state.h"
#include "notation/position.h"

// Between the board's snapshots (figures and the rights words) and the
// positions of this library.
namespace notation {

// What a snapshot does not hold: whose move it is and the two counters.
struct BoardTurn {
    int sideToMove = kWhite;
    int halfmoveClock = 0;
    int fullmoveNumber = 1;
};

// The position of a snapshot. The first figure on a square counts, as on the
// board. A side may castle towards a corner while its king-moved and that
// rook's moved word are clear and its king and rook stand on their starting
// squares; the en passant square comes from the side to move's words.
Position PositionFromBoard(const std::vector<sState>& pieces, const sRuleState& rights,
                           const BoardTurn& turn);

// The rights words of a position: a side without castling rights has its
// king moved, a corner without one has its rook moved, and the side to move
// may capture en passant where the position says so. Words 12 and 13 are 0.
sRuleState RightsFromPosition(const Position& position);

// The figures of a position in the order a new game lists them: White's,
// then Black's, each pawns, knights, bishops, rooks, queens, king, and
// figures of a type from a1 on.
std::vector<sState> PiecesFromPosition(const Position& position);

} // namespace notation
