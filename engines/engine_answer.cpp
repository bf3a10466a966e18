#include "engines/engine_answer.h"

#include <cstdlib>

#include "engine/rule_words.h"
#include "engines/figure_set.h"
#include "notation/play.h"

namespace engines {

void WriteAnswer(const notation::Position& position, notation::Move move, sFigureList& list,
                 sRuleState& rights, CFigure** captured, CFigure** moved, int* targetX,
                 int* targetY) {
    const int fx = notation::FileOf(move.from), fy = notation::RankOf(move.from);
    const int tx = notation::FileOf(move.to), ty = notation::RankOf(move.to);
    CFigure* mover = FigureOn(list, fx, fy);
    CFigure* victim = FigureOn(list, tx, ty);
    if (!victim && mover && mover->type == kPawn && fx != tx) victim = FigureOn(list, tx, fy);
    if (captured) *captured = notation::IsCapture(position, move) ? victim : nullptr;
    if (moved) *moved = mover;
    if (targetX) *targetX = tx;
    if (targetY) *targetY = ty;
    if (!mover) return;
    const int c = mover->color;
    if (mover->type == kKing) rights[rule::KingMoved(c)] = 1;
    if (mover->type == kRook && (fx == 0 || fx == 7)) rights[rule::EngineRookMoved(c, fx)] = 1;
    rights[rule::EnPassantAllowed(c)] = 0;
    if (notation::IsCastling(position, move))
        if (CFigure* rook = FigureOn(list, notation::IsKingsideCastling(move) ? 7 : 0, fy))
            rook->x = rook->x == 7 ? 5 : 3;
    if (move.promotion) mover->type = notation::PromotedType(move.promotion);
}

std::optional<notation::Move> ReadAnswer(const CFigure* moved, int typeBefore, int targetX,
                                         int targetY) {
    if (!moved || !IsOnBoard(moved->x, moved->y) || !IsOnBoard(targetX, targetY))
        return std::nullopt;
    notation::Move move{int8_t(notation::SquareOf(moved->x, moved->y)),
                        int8_t(notation::SquareOf(targetX, targetY)), 0};
    if (typeBefore == kPawn && moved->type != kPawn) move.promotion = int8_t(moved->type);
    return move;
}

} // namespace engines
