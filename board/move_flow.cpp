#include "board/move_flow.h"
#include "board/board.h"

using namespace move_flow;

void CBoard::PrepareGame(int32_t side) {
    ClearHistory();
    lastMove = {};
    hint = {};
    gameOver = 0;
    startSide = side;
}

bool CBoard::ComputerOpens() const {
    return services_.PlayerMode() == 0 && services_.PlayerColor() != startSide;
}

void CBoard::ResetGame() {
    // The engine still reads and writes these figures until its call returns.
    if (thinking) return;
    PrepareGame(kWhite);
    for (int word : rule::kNewGameWords) rights[word] = 0;
    SetupFigures();
    positions.assign(1, CurrentPositionKey());
    checkedKing = {-1, -1};
    // When the computer opens, its first move shares record 0 with the position.
    if (!ComputerOpens()) PushHistory();
}

void CBoard::SetUpGame(const std::vector<sState>& pieces, const sRuleState& start, int32_t side) {
    if (thinking) return;
    PrepareGame(side);
    ClearFigures();
    for (const sState& s : pieces) AddFigure(s.type, s.color, s.x, s.y);
    rights = start;
    if (!ComputerOpens()) PushHistory();
}

bool CBoard::ClicksBlocked() {
    return animating || services_.WaitingForPeer() ||
           (!services_.GameStarted() && services_.PlayerColor() == 1) || gameOver || thinking;
}

void CBoard::OnBoardClick(const point3d& p0, const point3d& p1) {
    sSquare square;
    hint = {};
    if (!ClicksBlocked() && PickSquare(p0, p1, square)) ClickSquare(square);
}

void CBoard::ClickSquare(sSquare square) {
    if (ClicksBlocked()) return;
    CFigure* hit = FigureAt(square.x, square.y);
    const bool own = hit && hit->color == services_.CurrentMove();
    if (!selected || !selectedFigure) {
        if (own) Select(hit, square);
        return;
    }
    if (hit == selectedFigure) return;
    if (own) return Select(hit, square);
    if (!IsTarget(square.x, square.y) || !EngineReady()) return;
    CFigure& mover = *selectedFigure;
    ClearSelection();
    TryMove(mover, hit, square);
}

bool CBoard::EngineReady() {
    const bool computerReplies = services_.PlayerMode() == 0;
    if (services_.CurrentStateEntry() && (!computerReplies || services_.ComputerMoveEntry()))
        return true;
    ReportMissingEngine();
    return false;
}

int32_t CBoard::StatusOf(int32_t color) {
    int status = kStatusNormal;
    if (GetCurrentStateFn state = services_.CurrentStateEntry())
        state(figures.View(), color, &rights, &status);
    return status;
}

void CBoard::CancelSelection() {
    if (!selected) return;
    ClearSelection();
    lastMove = lastMoveBeforeSelection_;
}

void CBoard::Select(CFigure* figure, sSquare square) {
    if (!selected) lastMoveBeforeSelection_ = lastMove;
    selectedSquare = square;
    selected = 1;
    selectedFigure = figure;
    BuildTargets();
    lastMove.fromX = square.x;
    lastMove.fromY = square.y;
}

void CBoard::TryMove(CFigure& m, CFigure* victim, sSquare to) {
    sMoveAttempt attempt = PlaceMove(m, victim, to, true);
    attempt.lastMove = lastMoveBeforeSelection_;
    if (KingAttacked(StatusOf(m.color))) {
        platform::ShowMessageBox(kCheckRefused);
        return TakeBack(attempt);
    }
    attempt.victim.reset(); // the capture stands
    AddMove();
    NotePosition();
    services_.DrawFrame();
    services_.GameStarted() = 1;
    EndPlayerTurn();
}

// The engine's own test may call a side that has no move the board accepts
// normal, or see a way out of a check that the board refuses; the board's
// moves decide, the engine's status tells only whether the king is attacked.
int32_t CBoard::StatusOfSideToMove(int32_t side) {
    const bool attacked = KingAttacked(StatusOf(side));
    if (!AcceptedMoves(side, 1).empty()) return attacked ? kStatusCheck : kStatusNormal;
    return attacked ? kStatusMate : kStatusStalemate;
}

// The verdict when a move ended the game; otherwise plays the move's sound.
const char* CBoard::JudgeMove(int32_t side) {
    const int32_t status = StatusOfSideToMove(side);
    if (const char* verdict = VerdictText(status)) {
        result = status == kStatusMate ? sGameResult::WonBy(Opponent(side), EndReason::Mate)
                                       : sGameResult::DrawnBy(EndReason::Stalemate);
        return verdict;
    }
    services_.PlaySoundEffect(status == kStatusCheck ? kSoundCheck : kSoundMove);
    return nullptr;
}

void CBoard::EndPlayerTurn() {
    const int32_t next = Opponent(services_.CurrentMove());
    const char* verdict = JudgeMove(next);
    if (services_.PlayerMode() == 0) return verdict ? EndGame(verdict) : ComputerReply();
    if (services_.NetworkGame())
        SendLastMove();
    else
        HandOverTo(next); // at the end too: the side to move is the one left without a move
    services_.DrawFrame();
    if (verdict) return EndGame(verdict);
    PushHistory();
}

void CBoard::HandOverTo(int32_t side) {
    services_.CurrentMove() = side;
    if (side == kBlack)
        services_.FaceBlack();
    else
        services_.FaceWhite();
}

void CBoard::AnnounceEnd(const char* verdict) {
    services_.PlaySoundEffect(kSoundGameEnd);
    services_.GameStarted() = 0;
    if (verdict) platform::ShowMessageBox(verdict);
    gameOver = 1;
}

void CBoard::EndGame(const char* verdict) {
    AnnounceEnd(verdict);
    PushHistory();
}

bool CBoard::EndIfNoMoveLeft(int32_t side) {
    if (gameOver || thinking) return gameOver != 0;
    if (side < 0) side = services_.CurrentMove();
    const int32_t status = StatusOfSideToMove(side);
    const char* verdict = VerdictText(status);
    if (!verdict) return false;
    result = status == kStatusMate ? sGameResult::WonBy(Opponent(side), EndReason::Mate)
                                   : sGameResult::DrawnBy(EndReason::Stalemate);
    AnnounceEnd(verdict);
    return true;
}
