#include "app/controller/game_notation.h"

#include "notation/fen.h"

#include <algorithm>

namespace game_notation {

notation::Position StartOf(const std::string& startFen) {
    if (startFen.empty()) return notation::StartPosition();
    const notation::FenReading reading = notation::ReadFen(startFen);
    return reading ? reading.position : notation::StartPosition();
}

std::vector<sState> PiecesOf(const CBoard& board) {
    std::vector<sState> pieces;
    pieces.reserve(size_t(board.figures.Count()));
    for (const CFigure* f : board.figures) pieces.push_back({f->type, f->color, f->x, f->y});
    return pieces;
}

std::vector<notation::PlayedMove> PlayedMoves(const CBoard& board, const CMoveTable& table,
                                              const notation::Position& start, int count) {
    const CMoveList& entries = table.entries;
    const int total = count < 0 ? entries.Count() : std::min(count, entries.Count());
    std::vector<notation::PlayedMove> moves;
    moves.reserve(size_t(total));
    for (int i = 0; i < total; ++i) {
        const sMove& m = *entries[i];
        moves.push_back({{m.fromX, m.fromY, m.toX, m.toY}, 0});
    }
    std::vector<notation::BoardCheckpoint> checkpoints;
    for (int k = 0; k < board.history.Count(); ++k)
        checkpoints.push_back({board.MovesUpTo(k), board.history[k]});
    notation::ResolvePromotions(start, moves, checkpoints);
    // A network game keeps no records; its last promotion is in the rights.
    if (board.history.Empty() && !moves.empty() && !moves.back().promotion &&
        total == entries.Count() && board.rights[rule::kPromotion])
        moves.back().promotion = board.rights[rule::kPromotedType];
    return moves;
}

notation::Position PositionOnBoard(const CBoard& board, const notation::BoardTurn& turn) {
    return notation::PositionFromBoard(PiecesOf(board), board.rights, turn);
}

} // namespace game_notation
