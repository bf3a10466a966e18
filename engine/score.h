#pragma once

#include "engine/engine_api.h"
#include "engine/figure_list.h"
#include "engine/rule_words.h"
#include "engine/step_tables.h"

#include <cstdint>
#include <cstdlib>

namespace engine {

inline constexpr int32_t kPieceValue[] = {0, 100, 300, 300, 500, 800, 0};

inline int32_t PieceValue(int32_t type) {
    return type >= 0 && type <= kKing ? kPieceValue[type] : 0;
}

// What the static score looks at in a move.
struct MoveFacts {
    int32_t type, color, x, y; // the mover and its square
    int32_t tx, ty, kind;
    int32_t capturedType; // kind 1 only
};

// The static score of a move from the engine colour's side. The bonus for a
// pawn reaching its last rank is taken back when such a pawn (still a pawn
// inside the search) is captured on the capturer's home rank.
inline int32_t ScoreMove(const MoveFacts& m, const sRuleState& rules, int32_t engineColor) {
    const bool own = m.color == engineColor;
    const int32_t s = own ? 1 : -1;
    const int32_t homeRank = m.color == 0 ? 0 : 7;
    const int32_t promotion = own ? 700 : -700;
    int32_t score = 0;
    if (m.type == kPawn) {
        if (m.kind == 0)
            score = s * ((7 - std::abs(7 - 2 * m.tx)) + (std::abs(m.ty - m.y) - 1));
        else if (m.kind == 1)
            score = s * PieceValue(m.capturedType);
        const int32_t startRank = m.color == 0 ? 1 : 6;
        if (own && m.y == startRank && (m.x == 1 || m.x == 3 || m.x == 4)) score += 40;
        if (m.ty == (m.color == 0 ? 7 : 0)) score += promotion;
        return score;
    }
    if (m.type < kKnight || m.type > kKing) return 0;
    if (m.kind == 1) {
        score = s * PieceValue(m.capturedType);
        if (m.capturedType == kPawn && m.ty == homeRank) score += promotion;
    }
    if ((m.color == 0 && m.tx > m.x) || (m.color == 1 && m.tx < m.x)) score -= 40;
    if (m.y == homeRank && ((m.type == kBishop && (m.x == 2 || m.x == 5)) ||
                            (m.type == kKnight && (m.x == 1 || m.x == 6))))
        score += 40;
    const bool kingMoved = IsPlayerColor(m.color) && rules[rule::KingMoved(m.color)] != 0;
    switch (m.type) {
    case kKnight:
    case kBishop:
        score += own ? 5 : -5;
        break;
    case kRook:
        if ((m.x == 0 || m.x == 7) && IsPlayerColor(m.color) &&
            !rules[rule::EngineRookMoved(m.color, m.x)] && !kingMoved)
            score += own ? -30 : 30;
        break;
    case kKing:
        if (m.kind == 2)
            score += own ? 60 : -60;
        else if (!kingMoved && IsPlayerColor(m.color))
            score += own ? -60 : 60;
        break;
    default:
        break;
    }
    return score;
}

} // namespace engine
