#include "engine/fast_position.h"

namespace engine::fast {
namespace {

bool Attacks(const Position& p, int figure, int liftedSquare, int square) {
    return (AttacksOf(p, figure, liftedSquare) >> square) & 1;
}

// Pieces of `bits` that attack `square` over `p` with the king's square lifted.
uint32_t AttackersAmong(const Position& p, uint32_t bits, int liftedSquare, int square) {
    uint32_t found = 0;
    for (; bits; bits &= bits - 1) {
        const int i = __builtin_ctz(bits);
        if (i < p.count && Attacks(p, i, liftedSquare, square)) found |= uint32_t{1} << i;
    }
    return found;
}

// The check-ending test on the attacker map: only the pieces that attacked
// the target or the origin are looked at again after the move.
bool EndsCheck(const Position& p, const uint32_t* attackers, int king, const Move& m) {
    Position copy = p;
    uint32_t capturedBit = 0;
    if (m.kind == kCapture) {
        const int victim = m.other;
        capturedBit = uint32_t{1} << victim;
        const int square = copy.SquareOf(victim);
        if (square != kNoSquare && copy.board[square] == victim) {
            copy.board[square] = kNoFigure;
            copy.occupied &= ~(uint64_t{1} << square);
        }
        copy.figures[victim].x = copy.figures[victim].y = kOffBoard;
    }
    const int origin = p.SquareOf(m.figure);
    const int target = m.y * 8 + m.x;
    const int mover = copy.board[origin];
    if (mover != kNoFigure) {
        copy.board[origin] = kNoFigure;
        copy.occupied &= ~(uint64_t{1} << origin);
        copy.board[target] = static_cast<int8_t>(mover);
        copy.occupied |= uint64_t{1} << target;
        copy.figures[mover].x = m.x;
        copy.figures[mover].y = m.y;
    }
    const int kingSquare = copy.SquareOf(king);
    if (kingSquare == kNoSquare) return true;

    const uint32_t throughTarget = attackers[target] & ~capturedBit;
    const uint32_t kept = ~capturedBit & ~throughTarget;
    const uint32_t throughOrigin =
        (attackers[origin] & kept) | AttackersAmong(copy, throughTarget, kingSquare, origin);
    const uint32_t onKing = (attackers[kingSquare] & kept) |
                            AttackersAmong(copy, throughTarget, kingSquare, kingSquare) |
                            AttackersAmong(copy, throughOrigin, kingSquare, kingSquare);
    return onKing == 0;
}

} // namespace

GameStatus InCheckStatus(const Position& p, int color, int king, const Move* moves, int count) {
    if (count == 0) return kStatusMate;
    const int kingSquare = p.SquareOf(king);
    uint32_t attackers[64] = {};
    for (int i = 0; i < p.count; ++i) {
        if (p.figures[i].color == color) continue;
        for (uint64_t s = AttacksOf(p, i, kingSquare); s; s &= s - 1)
            attackers[__builtin_ctzll(s)] |= uint32_t{1} << i;
    }
    for (int k = 0; k < count; ++k) {
        const Move& m = moves[k];
        if (m.other != kNoFigure && p.figures[m.other].type == kKing) continue;
        if (EndsCheck(p, attackers, king, m)) return kStatusCheck;
    }
    return kStatusMate;
}

} // namespace engine::fast
