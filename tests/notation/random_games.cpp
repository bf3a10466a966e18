#include "random_games.h"

#include <random>

#include "notation/move_generator.h"
#include "notation/play.h"

namespace notation::testing {

namespace {

bool Special(const Position& p, Move m) {
    const bool enPassant = TypeOf(p.At(m.from)) == kPawn && m.to == p.enPassant;
    return m.promotion || enPassant || IsCastling(p, m);
}

} // namespace

RandomGame PlayRandomGame(uint32_t seed, int maxPlies, const Position& start) {
    std::mt19937 random(seed);
    RandomGame game{start, {}, {start}};
    Position p = start;
    for (int ply = 0; ply < maxPlies; ++ply) {
        const MoveList legal = LegalMoves(p);
        if (legal.Empty()) break;
        std::vector<Move> special;
        for (const Move m : legal)
            if (Special(p, m)) special.push_back(m);
        Move m = legal[int(random() % unsigned(legal.Size()))];
        if (!special.empty() && random() % 2 == 0) m = special[random() % special.size()];
        game.moves.push_back(m);
        p = Play(p, m);
        game.positions.push_back(p);
    }
    return game;
}

RandomGame PlayGameOfLength(int plies) {
    for (uint32_t seed = 1;; ++seed) {
        RandomGame game = PlayRandomGame(seed, plies);
        if (int(game.moves.size()) == plies) return game;
    }
}

} // namespace notation::testing
