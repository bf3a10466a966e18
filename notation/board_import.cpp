#include "notation/board_history.h"

#include <algorithm>

#include "notation/board_bridge.h"
#include "notation/play.h"

namespace notation {

namespace {

std::vector<sState>::iterator FigureOn(std::vector<sState>& pieces, int square) {
    return std::find_if(pieces.begin(), pieces.end(), [&](const sState& s) {
        return s.x == FileOf(square) && s.y == RankOf(square);
    });
}

void Capture(sBoardState& state, int square) {
    const auto victim = FigureOn(state.pieces, square);
    if (victim == state.pieces.end()) return;
    auto& captured = victim->color == kBlack ? state.capturedBlack : state.capturedWhite;
    captured.push_back({victim->type, victim->color, 0, 0});
    state.pieces.erase(victim);
}

// The figures after `m`, which `before` allows.
void MoveFigures(sBoardState& state, const Position& before, Move m) {
    const bool enPassant = TypeOf(before.At(m.from)) == kPawn && before.At(m.to) == kEmpty &&
                           FileOf(m.from) != FileOf(m.to);
    Capture(state, enPassant ? SquareOf(FileOf(m.to), RankOf(m.from)) : m.to);
    if (IsCastling(before, m)) {
        const int corner = SquareOf(IsKingsideCastling(m) ? 7 : 0, RankOf(m.from));
        const auto rook = FigureOn(state.pieces, corner);
        if (rook != state.pieces.end()) rook->x = FileOf((m.from + m.to) / 2);
    }
    const auto mover = FigureOn(state.pieces, m.from);
    if (mover == state.pieces.end()) return;
    mover->x = FileOf(m.to);
    mover->y = RankOf(m.to);
}

} // namespace

std::vector<sBoardState> HistoryOfGame(const Position& start, const std::vector<Move>& moves) {
    std::vector<sBoardState> records;
    records.reserve(moves.size() + 1);
    sBoardState state;
    state.pieces = PiecesFromPosition(start);
    state.rights = RightsFromPosition(start);
    records.push_back(state);
    Position position = start;
    for (const Move m : moves) {
        MoveFigures(state, position, m);
        position = Play(position, m);
        state.rights = RightsFromPosition(position);
        const auto mover = FigureOn(state.pieces, m.to);
        const int32_t type = TypeOf(position.At(m.to));
        if (mover != state.pieces.end() && mover->type != type) {
            mover->type = type;
            state.rights[rule::kPromotion] = 1;
            state.rights[rule::kPromotedType] = type;
        }
        state.lastMove = {FileOf(m.from), RankOf(m.from), FileOf(m.to), RankOf(m.to)};
        records.push_back(state);
    }
    return records;
}

} // namespace notation
