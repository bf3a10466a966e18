#include <algorithm>

#include "board/board.h"

void Snapshot(const CFigureList& list, std::vector<sState>& out, bool withSquares) {
    out.clear();
    for (const CFigure* f : list)
        out.push_back({f->type, f->color, withSquares ? f->x : 0, withSquares ? f->y : 0});
}

void Refill(CFigureList& list, const std::vector<sState>& states, bool withSquares) {
    for (const sState& s : states)
        list.Append(new CFigure{s.type, s.color, withSquares ? s.x : 0, withSquares ? s.y : 0, 0});
}

void CBoard::PushHistory() {
    if (!services_.NetworkGame()) AppendRecord();
}

void CBoard::RestartHistory() {
    history.Clear();
    historyIndex = -1;
    AppendRecord();
}

void CBoard::AppendRecord() {
    historyIndex = std::max(historyIndex + 1, 0);
    sBoardState* record = history[historyIndex];
    if (record) {
        history.RemoveFrom(historyIndex + 1);
    } else {
        historyIndex = history.Count();
        record = history.Append(new sBoardState{});
    }
    Snapshot(figures, record->pieces, true);
    record->rights = rights;
    record->lastMove = lastMove;
    Snapshot(capturedWhite, record->capturedWhite, false);
    Snapshot(capturedBlack, record->capturedBlack, false);
}

void CBoard::AddMove() {
    CMoveList& moves = moveTable_.entries;
    moves.RemoveFrom(moveCount);
    moves.Append(new sMove(MoveEntryOf(lastMove)));
    moveCount = moves.Count();
    // A new move leaves the browsed end of a finished game behind.
    suspendedGameOver = 0;
    result = {};
}

void CBoard::ClearHistory() {
    moveTable_.RemoveAllMoves();
    moveTable_.firstShown = 0;
    moveCount = 0;
    history.Clear();
    historyIndex = -1;
    suspendedGameOver = 0;
    positions.clear();
}

void CBoard::ReplaceGame(CHistory& records, CMoveList& moves) {
    history.Swap(records);
    records.Clear();
    historyIndex = history.Count() - 1;
    suspendedGameOver = 0;
    if (history.Empty()) PushHistory();
    moveTable_.ReplaceMoves(moves);
    moveCount = moveTable_.entries.Count();
}

void CBoard::LoadHistory(CHistory& records, CMoveList& moves) {
    if (thinking) return;
    ClearFigures();
    ReplaceGame(records, moves);
    RestoreRecord(historyIndex);
    gameOver = 0;
}

void CBoard::RestoreRecord(int index) {
    const sBoardState* record = history[index];
    if (!record) return;
    lastMove = record->lastMove;
    hint = {};
    ClearFigures();
    Refill(figures, record->pieces, true);
    rights = record->rights;
    Refill(capturedBlack, record->capturedBlack, false);
    Refill(capturedWhite, record->capturedWhite, false);
}

// Browsing back from a finished game keeps its verdict aside until the last
// record is shown again; meanwhile the game runs again.
void CBoard::SuspendGameOver() {
    if (gameOver) {
        suspendedGameOver = 1;
        services_.GameStarted() = 1;
    }
    gameOver = 0;
}

void CBoard::ResumeGameOver() {
    if (!suspendedGameOver) return;
    gameOver = 1;
    suspendedGameOver = 0;
    services_.GameStarted() = 0;
}

// The number of move-list entries that lead to record `index`: one per record
// between two players, two against the computer, whose opening move shares
// record 0. The last record ends the list, which also covers a game the
// player won against the computer with a record of one move. Between two
// players every move has its record, so the count runs back from the end: a
// history may start from a position reached earlier (a network game carried
// on at one machine).
int CBoard::MovesUpTo(int index) const {
    const int entries = moveTable_.entries.Count();
    if (index >= history.Count() - 1) return entries;
    if (MovesPerRecord() == 1) return std::max(entries - (history.Count() - 1 - index), 0);
    return std::min(index * MovesPerRecord() + (ComputerOpens() ? 1 : 0), entries);
}

// The side whose move comes next in the move list, read off the position on
// the board; -1 when the list tells nothing.
int32_t CBoard::NextMoverInList() const {
    const CMoveList& moves = moveTable_.entries;
    if (const sMove* next = moves[moveCount])
        if (const CFigure* f = FigureAt(next->fromX, next->fromY)) return f->color;
    if (const sMove* last = moves[moveCount - 1])
        if (const CFigure* f = FigureAt(last->toX, last->toY)) return Opponent(f->color);
    return -1;
}

// Shows record `index` with the moves that lead to it. Against the computer
// the player moves; between two players at one machine the side to move is
// the one whose move comes next, and the board faces it as after a move.
void CBoard::ShowRecord(int index) {
    historyIndex = index;
    moveCount = MovesUpTo(index);
    RestoreRecord(index);
    UpdateCheckMark();
    if (services_.NetworkGame()) return;
    if (services_.PlayerMode() == 0) {
        services_.CurrentMove() = services_.PlayerColor() == kBlack ? kBlack : kWhite;
        return;
    }
    const int32_t next = NextMoverInList();
    HandOverTo(next >= 0 ? next : index % 2 == 1 ? Opponent(startSide) : startSide);
}

void CBoard::StepBack() {
    if (historyIndex <= 0 || historyIndex >= history.Count()) return;
    SuspendGameOver();
    ShowRecord(historyIndex - 1);
}

void CBoard::StepForward() {
    if (historyIndex < 0 || historyIndex >= history.Count() - 1) return;
    if (historyIndex + 1 == history.Count() - 1) ResumeGameOver();
    ShowRecord(historyIndex + 1);
}

void CBoard::GoToStart() {
    if (thinking || history.Empty()) return;
    SuspendGameOver();
    moveTable_.firstShown = 0;
    ShowRecord(0);
}

void CBoard::GoToEnd() {
    if (thinking || history.Empty()) return;
    ResumeGameOver();
    moveTable_.firstShown = 0;
    ShowRecord(history.Count() - 1);
}

void CBoard::ReplayGame() {
    if (history.Empty()) return;
    const bool computer = services_.PlayerMode() == 0;
    services_.ShowCursor(false);
    ResumeGameOver();
    moveTable_.firstShown = 0;
    historyIndex = 0;
    moveCount = MovesUpTo(0);
    const auto animate = [this](int entry, bool play) {
        const sMove* m = moveTable_.entries[entry];
        if (!m) return;
        CFigure* figure = FigureAt(m->fromX, m->fromY);
        CFigure* captured = FigureAt(m->toX, m->toY);
        services_.AnimateMove(figure, captured, m->toX, m->toY);
        if (!play || !figure) return;
        figure->x = m->toX;
        figure->y = m->toY;
        CaptureFigure(captured);
    };
    for (int i = 0; i < history.Count(); ++i) {
        historyIndex = i;
        if (services_.Animation() && i > 0) {
            if (computer) animate(moveCount - 2, true);
            animate(moveCount - 1, false);
        }
        RestoreRecord(i);
        if (services_.PlayerMode() == 1)
            services_.CurrentMove() = i % 2 == 1 ? Opponent(startSide) : startSide;
        services_.DrawFrame();
        services_.Pause(300);
        moveCount += MovesPerRecord();
    }
    // The count ran one record past the last position shown.
    moveCount = std::min(moveCount, moveTable_.entries.Count());
    services_.ShowCursor(true);
}
