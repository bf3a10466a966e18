#include <cstdlib>

#include "board/board.h"
#include "board/move_flow.h"

using namespace move_flow;

// What a move attempt changed, so that a refusal can take all of it back.
struct CBoard::sMoveAttempt {
    sRuleState rights;
    sLastMove lastMove;
    CFigure* mover;
    sSquare from;
    int32_t type;
    CFigure* rook = nullptr;
    int32_t rookFromX = 0;
    int victimIndex = -1; // list position of a captured figure
    sState victim{};
};

void CBoard::ResetGame() {
    // The engine still reads and writes these figures until its call returns.
    if (thinking) return;
    ClearHistory();
    lastMove = {};
    gameOver = 0;
    for (int word : rule::kNewGameWords) rights[word] = 0;
    SetupFigures();
    // When the computer opens, its first move shares record 0 with the position.
    if (services_.PlayerMode() != 0 || services_.PlayerColor() != 1) PushHistory();
}

bool CBoard::ClicksBlocked() {
    return animating || services_.WaitingForPeer() ||
           (!services_.GameStarted() && services_.PlayerColor() == 1) || gameOver || thinking;
}

void CBoard::OnBoardClick(const point3d& p0, const point3d& p1) {
    sSquare square;
    if (ClicksBlocked() || !PickSquare(p0, p1, square)) return;
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

void CBoard::Select(CFigure* figure, sSquare square) {
    if (!selected) lastMoveBeforeSelection_ = lastMove;
    selectedSquare = square;
    selected = 1;
    selectedFigure = figure;
    BuildTargets();
    lastMove.fromX = square.x;
    lastMove.fromY = square.y;
}

CFigure* CBoard::EnPassantVictim(const CFigure& pawn, sSquare to) const {
    const int32_t c = services_.CurrentMove();
    if (pawn.type != kPawn || (c != kWhite && c != kBlack) || to.x == pawn.x ||
        !rights[rule::EnPassantAllowed(c)] || to.x != rights[rule::EnPassantX(c)] ||
        to.y != rights[rule::EnPassantY(c)])
        return nullptr;
    CFigure* victim = FigureAt(to.x, to.y - PawnDirection(c));
    return victim && victim->type == kPawn && victim->color != c ? victim : nullptr;
}

void CBoard::Promote(CFigure& pawn, int32_t toY) {
    rights[rule::kPromotion] = 0;
    const int32_t lastRank = services_.CurrentMove() == kWhite ? 7 : 0;
    if (pawn.type != kPawn || toY != lastRank) return;
    int32_t type = services_.ChoosePromotion();
    if (type < kKnight || type > kQueen) type = kQueen;
    pawn.type = type;
    rights[rule::kPromotion] = 1;
    rights[rule::kPromotedType] = type;
}

// The rook of a castling goes to the square the king passed over. Castling is
// offered only with the own rook in the corner of the king's rank.
CFigure* CBoard::CastleRook(CFigure& king, sSquare to) {
    if (king.type != kKing || std::abs(king.x - to.x) != 2) return nullptr;
    const int32_t c = services_.CurrentMove();
    const bool queenside = to.x < king.x;
    Right(queenside ? rule::RookAMoved(c) : rule::RookHMoved(c)) = 1;
    Right(rule::KingMoved(c)) = 1;
    CFigure* rook = FigureAt(queenside ? 0 : 7, king.y);
    if (!rook || rook->type != kRook || rook->color != king.color) return nullptr;
    const int32_t rookX = queenside ? to.x + 1 : to.x - 1;
    if (services_.Animation()) {
        king.x = to.x;
        king.y = to.y;
        services_.AnimateMove(rook, nullptr, rookX, to.y);
    }
    rook->x = rookX;
    return rook;
}

void CBoard::TryMove(CFigure& m, CFigure* victim, sSquare to) {
    const int32_t c = services_.CurrentMove();
    sMoveAttempt attempt{rights, lastMoveBeforeSelection_, &m, {m.x, m.y}, m.type};
    if (m.type == kRook && m.x == 7) Right(rule::RookHMoved(c)) = 1;
    if (m.type == kRook && m.x == 0) Right(rule::RookAMoved(c)) = 1;
    UpdateEnPassant(&m, m.y, to.x, to.y);
    if (m.type == kKing) Right(rule::KingMoved(c)) = 1;
    if (!victim) victim = EnPassantVictim(m, to);

    lastMove.toX = to.x;
    lastMove.toY = to.y;
    Promote(m, to.y);
    if (services_.Animation()) services_.AnimateMove(&m, victim, to.x, to.y);
    if (victim) {
        attempt.victimIndex = figures.IndexOf(victim);
        attempt.victim = {victim->type, victim->color, victim->x, victim->y};
        CaptureFigure(victim);
    }
    if (CFigure* rook = CastleRook(m, to)) {
        attempt.rook = rook;
        attempt.rookFromX = to.x < attempt.from.x ? 0 : 7;
    }
    m.x = to.x;
    m.y = to.y;

    if (LeavesKingAttacked(StatusOf(c))) return TakeBack(attempt);
    AddMove();
    services_.DrawFrame();
    services_.GameStarted() = 1;
    EndPlayerTurn();
}

void CBoard::TakeBack(const sMoveAttempt& attempt) {
    platform::ShowMessageBox(kCheckRefused);
    CFigure& m = *attempt.mover;
    m.x = attempt.from.x;
    m.y = attempt.from.y;
    m.type = attempt.type;
    if (attempt.rook) attempt.rook->x = attempt.rookFromX;
    if (attempt.victimIndex >= 0) {
        // The entry the capture appended, not an equal one taken earlier.
        CFigureList& captured = attempt.victim.color == kBlack ? capturedBlack : capturedWhite;
        captured.RemoveAt(captured.Count() - 1);
        InsertFigure(attempt.victimIndex, attempt.victim);
    }
    rights = attempt.rights;
    lastMove = attempt.lastMove;
    ClearSelection();
}

// The figure list has no insertion of its own; rebuilding it keeps every other
// figure in its place in the order, which the engine's choices depend on.
void CBoard::InsertFigure(int index, const sState& figure) {
    CFigureList rebuilt;
    for (int i = 0; i <= figures.Count(); ++i) {
        if (i == index)
            rebuilt.Append(new CFigure{figure.type, figure.color, figure.x, figure.y, 0});
        if (const CFigure* f = figures[i]) rebuilt.Append(new CFigure(*f));
    }
    figures.Swap(rebuilt);
}

void CBoard::EndPlayerTurn() {
    int& c = services_.CurrentMove();
    const int32_t status = StatusOf(Opponent(c));
    if (const char* verdict = VerdictText(status)) {
        SendLastMove();
        return EndGame(verdict);
    }
    services_.PlaySoundEffect(status == kStatusCheck ? kSoundCheck : kSoundMove);
    if (services_.PlayerMode() == 0) return ComputerReply();
    if (services_.NetworkGame()) {
        SendLastMove();
    } else {
        c = Opponent(c);
        if (c == kBlack)
            services_.FaceBlack();
        else
            services_.FaceWhite();
    }
    services_.DrawFrame();
    PushHistory();
}

void CBoard::EndGame(const char* verdict) {
    services_.PlaySoundEffect(kSoundGameEnd);
    services_.GameStarted() = 0;
    platform::ShowMessageBox(verdict);
    gameOver = 1;
    PushHistory();
}
