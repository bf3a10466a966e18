#include "board/board.h"
#include "board/move_flow.h"

#include <algorithm>

using namespace move_flow;

int32_t CBoard::SideToMove() const {
    if (const CFigure* last = FigureAt(lastMove.toX, lastMove.toY)) return Opponent(last->color);
    return moveCount % 2 == 0 ? kWhite : kBlack;
}

// An en passant right counts only while a pawn can take that way, on a move
// the board accepts.
int8_t CBoard::EnPassantFile(int32_t side) {
    if (!rights[rule::EnPassantAllowed(side)]) return -1;
    const sSquare target{rights[rule::EnPassantX(side)], rights[rule::EnPassantY(side)]};
    for (const sBoardMove& m : AcceptedMoves(side)) {
        const CFigure* f = FigureAt(m.from.x, m.from.y);
        if (m.to == target && f && f->type == kPawn && m.from.x != target.x)
            return int8_t(target.x);
    }
    return -1;
}

sPositionKey CBoard::CurrentPositionKey() {
    const int32_t side = SideToMove();
    return MakePositionKey(figures, rights, side, EnPassantFile(side));
}

void CBoard::NotePosition() {
    sPositionKey unknown;
    unknown.known = false;
    positions.resize(size_t(std::max(moveCount, 0)), unknown);
    positions.push_back(CurrentPositionKey());
    UpdateCheckMark();
    services_.MoveMade(Opponent(SideToMove()));
}

void CBoard::UpdateCheckMark() {
    checkedKing = {-1, -1};
    const int32_t side = SideToMove();
    if (!services_.CurrentStateEntry() || !KingAttacked(StatusOf(side))) return;
    for (const CFigure* f : figures)
        if (f->type == kKing && f->color == side) checkedKing = {f->x, f->y};
}

DrawClaim CBoard::ClaimableDraw() {
    sPositionKey unknown;
    unknown.known = false;
    const size_t before = size_t(std::max(moveCount, 0));
    std::vector<sPositionKey> game(before, unknown);
    std::copy_n(positions.begin(), std::min(before, positions.size()), game.begin());
    game.push_back(CurrentPositionKey());
    return ::ClaimableDraw(game, figures);
}

void CBoard::Finish(const sGameResult& ending, const char* message) {
    if (gameOver || thinking) return;
    ClearSelection();
    result = ending;
    AnnounceEnd(message);
    checkedKing = {-1, -1};
}

// Between two players every record has its position; against the computer
// only the positions after each pair are kept, and the others stay unknown.
// The board's own position (which a file holds apart from its records)
// comes back unchanged.
void CBoard::RebuildPositions() {
    ClearSelection();
    sPositionKey unknown;
    unknown.known = false;
    positions.assign(size_t(moveTable_.entries.Count()) + 1, unknown);
    std::vector<sState> live;
    Snapshot(figures, live, true);
    const sRuleState liveRights = rights;
    const sLastMove liveLastMove = lastMove;
    const int32_t liveCount = moveCount;
    for (int i = 0; i < history.Count(); ++i) {
        const sBoardState& record = *history[i];
        figures.Clear();
        Refill(figures, record.pieces, true);
        rights = record.rights;
        lastMove = record.lastMove;
        moveCount = MovesUpTo(i);
        if (size_t(moveCount) < positions.size())
            positions[size_t(moveCount)] = CurrentPositionKey();
    }
    figures.Clear();
    Refill(figures, live, true);
    rights = liveRights;
    lastMove = liveLastMove;
    moveCount = liveCount;
    UpdateCheckMark();
}
