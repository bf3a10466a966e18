#include <algorithm>
#include <cstdlib>

#include "board/board.h"
#include "board/move_flow.h"

using namespace move_flow;

CFigure* CBoard::EnPassantVictim(const CFigure& pawn, sSquare to) const {
    const int32_t c = pawn.color;
    if (pawn.type != kPawn || (c != kWhite && c != kBlack) || to.x == pawn.x ||
        !rights[rule::EnPassantAllowed(c)] || to.x != rights[rule::EnPassantX(c)] ||
        to.y != rights[rule::EnPassantY(c)])
        return nullptr;
    CFigure* victim = FigureAt(to.x, to.y - PawnDirection(c));
    return victim && victim->type == kPawn && victim->color != c ? victim : nullptr;
}

// Only the player is asked for the figure; a tried move becomes a queen, which
// changes nothing about the safety of its own king.
void CBoard::Promote(CFigure& pawn, int32_t toY, bool ask) {
    rights[rule::kPromotion] = 0;
    const int32_t lastRank = pawn.color == kWhite ? 7 : 0;
    if (pawn.type != kPawn || toY != lastRank) return;
    int32_t type = ask ? services_.ChoosePromotion() : kQueen;
    if (type < kKnight || type > kQueen) type = kQueen;
    pawn.type = type;
    rights[rule::kPromotion] = 1;
    rights[rule::kPromotedType] = type;
}

// The rook of a castling goes to the square the king passed over. Castling is
// offered only with the own rook in the corner of the king's rank.
CFigure* CBoard::CastleRook(CFigure& king, sSquare to, bool animate) {
    if (king.type != kKing || std::abs(king.x - to.x) != 2) return nullptr;
    const int32_t c = king.color;
    const bool queenside = to.x < king.x;
    Right(queenside ? rule::RookAMoved(c) : rule::RookHMoved(c)) = 1;
    Right(rule::KingMoved(c)) = 1;
    CFigure* rook = FigureAt(queenside ? 0 : 7, king.y);
    if (!rook || rook->type != kRook || rook->color != king.color) return nullptr;
    const int32_t rookX = queenside ? to.x + 1 : to.x - 1;
    if (animate && services_.Animation()) {
        king.x = to.x;
        king.y = to.y;
        services_.AnimateMove(rook, nullptr, rookX, to.y);
    }
    rook->x = rookX;
    return rook;
}

// Puts a move on the board with all it changes: the rights, a capture (en
// passant too), a castling rook and a promotion. A move the player makes asks
// for the promotion figure and is animated; a tried one is not.
CBoard::sMoveAttempt CBoard::PlaceMove(CFigure& m, CFigure* victim, sSquare to, bool byPlayer) {
    const int32_t c = m.color;
    sMoveAttempt attempt(rights, lastMove, m);
    if (m.type == kRook && m.x == 7) Right(rule::RookHMoved(c)) = 1;
    if (m.type == kRook && m.x == 0) Right(rule::RookAMoved(c)) = 1;
    UpdateEnPassant(c, &m, m.y, to.x, to.y);
    if (m.type == kKing) Right(rule::KingMoved(c)) = 1;
    if (!victim) victim = EnPassantVictim(m, to);

    lastMove = {m.x, m.y, to.x, to.y};
    Promote(m, to.y, byPlayer);
    if (byPlayer && services_.Animation()) services_.AnimateMove(&m, victim, to.x, to.y);
    if (victim) {
        attempt.victimIndex = figures.IndexOf(victim);
        attempt.victim = TakeCaptured(victim);
    }
    if (CFigure* rook = CastleRook(m, to, byPlayer)) {
        attempt.rook = rook;
        attempt.rookFromX = to.x < attempt.from.x ? 0 : 7;
    }
    m.x = to.x;
    m.y = to.y;
    return attempt;
}

void CBoard::TakeBack(sMoveAttempt& attempt) {
    CFigure& m = *attempt.mover;
    m.x = attempt.from.x;
    m.y = attempt.from.y;
    m.type = attempt.type;
    if (attempt.rook) attempt.rook->x = attempt.rookFromX;
    if (attempt.victim) {
        // The entry the capture appended, not an equal one taken earlier.
        CFigureList& captured = attempt.victim->color == kBlack ? capturedBlack : capturedWhite;
        captured.RemoveAt(captured.Count() - 1);
        // Back in its place: the engine's choices depend on the list's order.
        figures.InsertAt(attempt.victimIndex, attempt.victim.release());
    }
    rights = attempt.rights;
    lastMove = attempt.lastMove;
}

std::vector<sBoardMove> CBoard::AcceptedMoves(int32_t color, size_t limit) {
    std::vector<sBoardMove> accepted;
    // A side without its king has none to leave attacked, and the engine
    // would report the missing king at every trial.
    const bool hasKing = std::any_of(figures.begin(), figures.end(), [color](const CFigure* f) {
        return f->type == kKing && f->color == color;
    });
    std::vector<sSquare> squares;
    // A trial puts every figure back in its place, so the indices hold.
    for (int i = 0; i < figures.Count() && accepted.size() < limit; ++i) {
        CFigure& f = *figures[i];
        if (f.color != color) continue;
        TargetsOf(f, color, squares);
        for (const sSquare to : squares) {
            const sSquare from{f.x, f.y};
            sMoveAttempt attempt = PlaceMove(f, FigureAt(to.x, to.y), to, false);
            const bool stands = !hasKing || !KingAttacked(StatusOf(color));
            TakeBack(attempt);
            if (stands) accepted.push_back({from, to});
            if (accepted.size() == limit) break;
        }
    }
    return accepted;
}
