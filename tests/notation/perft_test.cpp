// Move counts of well-known test positions, which catch almost any fault of
// a move generator: castling rights, en passant, promotions, pins, checks.
#include <gtest/gtest.h>

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/play.h"

namespace notation {
namespace {

int64_t Perft(const Position& p, int depth) {
    const MoveList moves = LegalMoves(p);
    if (depth == 1) return moves.Size();
    int64_t nodes = 0;
    for (const Move m : moves) nodes += Perft(Play(p, m), depth - 1);
    return nodes;
}

struct PerftCase {
    const char* fen;
    int depth;
    int64_t nodes;
};

constexpr PerftCase kCases[] = {
    {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4, 197281},
    {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3, 97862},
    {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, 674624},
    {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 3, 9467},
    {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 3, 62379},
    {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 3, 89890},
};

TEST(Perft, KnownPositionsHaveTheirMoveCounts) {
    for (const PerftCase& c : kCases) {
        const FenReading reading = ReadFen(c.fen);
        ASSERT_TRUE(reading) << c.fen << ": " << reading.error;
        EXPECT_EQ(Perft(reading.position, c.depth), c.nodes) << c.fen;
    }
}

} // namespace
} // namespace notation
