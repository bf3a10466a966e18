#include "engine/move_generator.h"

#include "engine/attacks.h"
#include "engine/rule_words.h"
#include "engine/step_walk.h"

namespace engine {
namespace {

void Add(MoveList& moves, CFigure* piece, int32_t x, int32_t y, int32_t kind, CFigure* other) {
    sEngineMove move;
    move.piece = piece;
    move.x = x;
    move.y = y;
    move.kind = kind;
    move.other = other;
    moves.push_back(move);
}

bool IsEnPassantTarget(const sRuleState& rules, int32_t color, int32_t x, int32_t y) {
    return IsPlayerColor(color) && rules[rule::EnPassantAllowed(color)] != 0 &&
           rules[rule::EnPassantX(color)] == x && rules[rule::EnPassantY(color)] == y;
}

void GeneratePawnMoves(const sFigureList& list, CFigure* pawn, MoveList& moves,
                       const sRuleState& rules) {
    WalkSteps(*pawn, PawnForwardInUse(*pawn), list, nullptr,
              [&](const sStep&, int32_t x, int32_t y, CFigure* occupant) {
                  if (!occupant) Add(moves, pawn, x, y, kPlainMove, nullptr);
              });
    WalkSteps(*pawn, PawnCaptureSteps(), list, nullptr,
              [&](const sStep&, int32_t x, int32_t y, CFigure* occupant) {
                  if (occupant) {
                      if (occupant->color != pawn->color)
                          Add(moves, pawn, x, y, kCapture, occupant);
                  } else if (IsEnPassantTarget(rules, pawn->color, x, y)) {
                      // The captured pawn stands beside the capturer, one rank back.
                      CFigure* passed = FigureAt(list, x, y - Direction(pawn->color));
                      Add(moves, pawn, x, y, passed ? kCapture : kPlainMove, passed);
                  }
              });
}

void GeneratePieceMoves(const sFigureList& list, CFigure* piece, MoveList& moves) {
    WalkSteps(*piece, FigureSteps(piece->type), list, nullptr,
              [&](const sStep&, int32_t x, int32_t y, CFigure* occupant) {
                  if (!occupant)
                      Add(moves, piece, x, y, kPlainMove, nullptr);
                  else if (occupant->color != piece->color)
                      Add(moves, piece, x, y, kCapture, occupant);
              });
}

bool CanCastle(const sFigureList& list, const CFigure& king, const CFigure* corner,
               const AttackMap attacked, const sRuleState& rules) {
    if (!corner || corner->type != kRook || rules[rule::KingMoved(king.color)] != 0) return false;
    if (attacked[SquareIndex(king.x, king.y)] || attacked[SquareIndex(corner->x, corner->y)])
        return false;
    const int32_t step = corner->x < king.x ? 1 : -1;
    for (int32_t x = corner->x + step; x != king.x && OnBoard(x, corner->y); x += step)
        if (FigureAt(list, x, corner->y) || attacked[SquareIndex(x, corner->y)]) return false;
    return true;
}

void GenerateKingMoves(const sFigureList& list, CFigure* king, MoveList& moves,
                       const sRuleState& rules) {
    AttackMap attacked;
    BuildAttackMap(attacked, king, list, OtherColor(king->color));
    WalkSteps(*king, FigureSteps(kKing), list, nullptr,
              [&](const sStep&, int32_t x, int32_t y, CFigure* occupant) {
                  if (attacked[SquareIndex(x, y)]) return;
                  if (!occupant)
                      Add(moves, king, x, y, kPlainMove, nullptr);
                  else if (occupant->color != king->color)
                      Add(moves, king, x, y, kCapture, occupant);
              });
    if (!IsPlayerColor(king->color)) return;
    const int32_t home = HomeRank(king->color);
    WalkSteps(*king, CastlingSteps(), list, nullptr,
              [&](const sStep& step, int32_t x, int32_t y, CFigure*) {
                  CFigure* corner = FigureAt(list, step.dx < 0 ? 0 : 7, home);
                  if (CanCastle(list, *king, corner, attacked, rules))
                      Add(moves, king, x, y, kCastling, corner);
              });
}

} // namespace

void GenerateMoves(const sFigureList& list, CFigure* piece, MoveList& moves,
                   const sRuleState& rules) {
    if (!piece || !OnBoard(*piece)) return;
    switch (piece->type) {
    case kPawn:
        GeneratePawnMoves(list, piece, moves, rules);
        break;
    case kKing:
        GenerateKingMoves(list, piece, moves, rules);
        break;
    default:
        GeneratePieceMoves(list, piece, moves);
        break;
    }
}

void GenerateAllMoves(const sFigureList& list, int32_t color, MoveList& moves,
                      const sRuleState& rules) {
    for (int i = 0, n = FigureCount(list); i < n; ++i) {
        CFigure* f = list.figures[i];
        if (f && f->color == color) GenerateMoves(list, f, moves, rules);
    }
}

void UpdateRights(sRuleState& rules, const CFigure& piece) {
    UpdateRights(rules, piece.type, piece.color, piece.x);
}

void UpdateRights(sRuleState& rules, int32_t type, int32_t c, int32_t x) {
    if (!IsPlayerColor(c)) return;
    if (type == kKing) rules[rule::KingMoved(c)] = 1;
    if (type == kRook && (x == 0 || x == 7)) rules[rule::EngineRookMoved(c, x)] = 1;
    rules[rule::EnPassantAllowed(c)] = 0;
}

} // namespace engine
