#include <cstdlib>

#include "board/board.h"
#include "board/move_flow.h"

using namespace move_flow;

bool CBoard::RunEngine(CFigure*& moved, CFigure*& captured, sSquare& to) {
    moved = captured = nullptr;
    const GetComputerMoveFn engine = services_.ComputerMoveEntry();
    if (!engine) {
        ReportMissingEngine();
        return false;
    }
    int x = -1, y = -1;
    int* stop = services_.StopThinking();
    thinking = 1;
    engine(figures.View(), services_.PlayerColor(), services_.GameLevel(), &rights, &captured,
           &moved, &x, &y, stop);
    if (stop) *stop = 0;
    thinking = 0;
    to = {x, y};
    // Only a figure of this board moving to a square of it is a move.
    if (figures.IndexOf(moved) < 0 || !IsOnBoard(x, y)) return false;
    if (figures.IndexOf(captured) < 0 || captured == moved) captured = nullptr;
    return true;
}

// The engine has already moved a castling rook and promoted a pawn itself.
void CBoard::PlaceEngineMove(CFigure& moved, CFigure* captured, sSquare to) {
    lastMove = {moved.x, moved.y, to.x, to.y};
    AddMove();
    if (services_.Animation()) services_.AnimateMove(&moved, captured, to.x, to.y);
    CaptureFigure(captured);
    moved.x = to.x;
    moved.y = to.y;
}

void CBoard::ComputerReply() {
    CFigure *moved, *captured;
    sSquare to;
    if (!RunEngine(moved, captured, to)) return;
    PlaceEngineMove(*moved, captured, to);
    // The end of the game records the pair's position itself.
    if (const char* verdict = JudgeMove(services_.CurrentMove())) return EndGame(verdict);
    PushHistory();
}

void CBoard::ComputerMove() {
    if (thinking) return;
    if (!services_.ComputerMoveEntry()) return ReportMissingEngine();
    services_.GameStarted() = 1;
    ClearSelection();
    CFigure *moved, *captured;
    sSquare to;
    if (!RunEngine(moved, captured, to)) return;
    PlaceEngineMove(*moved, captured, to);
    services_.PlaySoundEffect(kSoundMove);
    services_.DrawFrame();
    PushHistory();
}

// A peer's move that leaves the board, stands still, or would take a king or
// a figure of the mover's own colour is not applied.
bool CBoard::AcceptRemoteMove(sSquare from, sSquare to) const {
    if (!::IsOnBoard(from.x, from.y) || !::IsOnBoard(to.x, to.y) || from == to) return false;
    const CFigure* m = FigureAt(from.x, from.y);
    const CFigure* victim = FigureAt(to.x, to.y);
    return !m || !victim || (victim->color != m->color && victim->type != kKing);
}

void CBoard::ApplyRemoteMove(int fromX, int fromY, int toX, int toY) {
    const sSquare from{int8_t(fromX), int8_t(fromY)}, to{int8_t(toX), int8_t(toY)};
    if (!AcceptRemoteMove(from, to)) return;
    // The peer may take the figure the local player has picked up.
    ClearSelection();
    lastMove = {from.x, from.y, to.x, to.y};
    if (CFigure* m = FigureAt(from.x, from.y)) {
        const int32_t promoted = rights[rule::kPromotedType];
        if (rights[rule::kPromotion] && m->type == kPawn && promoted >= kKnight &&
            promoted <= kQueen)
            m->type = promoted;
        if (m->type == kKing && std::abs(to.x - from.x) == 2) {
            const bool queenside = to.x == 2;
            CFigure* rook = to.x == 6 || queenside ? FigureAt(queenside ? 0 : 7, to.y) : nullptr;
            if (rook && rook->type == kRook && rook->color == m->color) {
                const int32_t rookX = queenside ? 3 : 5;
                if (services_.Animation()) services_.AnimateMove(rook, nullptr, rookX, to.y);
                rook->x = rookX;
            }
        }
        CFigure* victim = FigureAt(to.x, to.y);
        if (!victim && m->type == kPawn && from.x != to.x) {
            victim = FigureAt(to.x, to.y - PawnDirection(m->color));
            if (victim && (victim->color == m->color || victim->type == kKing)) victim = nullptr;
        }
        if (services_.Animation()) services_.AnimateMove(m, victim, to.x, to.y);
        CaptureFigure(victim);
        m->x = to.x;
        m->y = to.y;
    }
    AddMove();
    if (const char* verdict = JudgeMove(services_.CurrentMove())) EndGame(verdict);
}

void CBoard::SendLastMove() {
    if (services_.NetworkGame())
        services_.SendMove(lastMove.fromX, lastMove.fromY, lastMove.toX, lastMove.toY);
}
