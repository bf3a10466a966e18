#include "position_fixture.h"

#include "engine/attacks.h"
#include "engine/figure_list.h"
#include "engine/move_generator.h"

#include <cstdlib>

namespace engine_test {

Position Play(const Position& position, const engine::sEngineMove& move) {
    Position next = position;
    CFigure* mover = next.pointers[position.IndexOf(move.piece)];
    const int color = mover->color;
    const int fromY = mover->y;
    engine::UpdateRights(next.rules, *mover);
    next.rules[2 + (1 - color)] = 0;
    if (move.kind == engine::kCastling) {
        CFigure* rook = next.pointers[position.IndexOf(move.other)];
        rook->x = rook->x == 0 ? 3 : 5;
    }
    mover->x = move.x;
    mover->y = move.y;
    if (mover->type == 1 && move.y == (color == 0 ? 7 : 0)) mover->type = 5;
    if (mover->type == 1 && std::abs(move.y - fromY) == 2) {
        next.rules[2 + (1 - color)] = 1;
        next.rules[4 + 2 * (1 - color)] = move.x;
        next.rules[5 + 2 * (1 - color)] = (move.y + fromY) / 2;
    }
    if (move.kind == engine::kCapture) next.Remove(next.pointers[position.IndexOf(move.other)]);
    return next;
}

bool KingAttacked(const Position& position, int color) {
    const CFigure* king = engine::FindKing(position.list, color);
    if (!king) return false;
    engine::AttackMap map;
    engine::BuildAttackMap(map, king, position.list, 1 - color);
    return map[engine::SquareIndex(king->x, king->y)] != 0;
}

std::vector<engine::sEngineMove> SafeMoves(const Position& position, int color) {
    engine::MoveList moves;
    engine::GenerateAllMoves(position.list, color, moves, position.rules);
    std::vector<engine::sEngineMove> safe;
    for (const auto& m : moves)
        if (!(m.other && m.other->type == 6) && !KingAttacked(Play(position, m), color))
            safe.push_back(m);
    return safe;
}

Position RandomGame(std::mt19937& random, int plies, int& sideToMove) {
    Position p = InitialPosition();
    sideToMove = 0;
    for (int i = 0; i < plies; ++i) {
        const auto moves = SafeMoves(p, sideToMove);
        if (moves.empty()) break;
        p = Play(p, moves[random() % moves.size()]);
        sideToMove = 1 - sideToMove;
    }
    return p;
}

} // namespace engine_test
