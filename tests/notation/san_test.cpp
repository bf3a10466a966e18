// SAN written for moves of given positions, and read back in the forms that
// other programs and people write.
#include <gtest/gtest.h>

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/san.h"
#include "test_positions.h"

namespace notation {
namespace {

using testing::PositionOf;

Move Uci(const char* text) {
    const auto square = [&](int i) { return int8_t((text[i] - 'a') + 8 * (text[i + 1] - '1')); };
    const char* promotions = "  nbrq";
    int8_t promotion = 0;
    for (int8_t t = 2; t <= 5 && text[4]; ++t)
        if (promotions[t] == text[4]) promotion = t;
    return {square(0), square(2), promotion};
}

struct SanCase {
    const char* fen;
    const char* move;
    const char* san;
    bool legal = true; // under the standard rules
};

constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
constexpr const char* kRooks = "4k3/8/8/R7/8/8/4K3/R6R w - - 0 1";
constexpr const char* kQueens = "4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1";
constexpr const char* kCastle = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";

const SanCase kSanCases[] = {
    {kStart, "e2e4", "e4"},
    {kStart, "g1f3", "Nf3"},
    // Disambiguation by file, by rank and by both.
    {kRooks, "a1d1", "Rad1"},
    {kRooks, "h1d1", "Rhd1"},
    {kRooks, "a1a3", "R1a3"},
    {kRooks, "a5a3", "R5a3"},
    {kQueens, "a1b2", "Qa1b2"},
    {kQueens, "a3b2", "Q3b2"},
    {kQueens, "c1b2", "Qcb2"},
    {"4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "b1d2", "Nbd2"},
    // A pinned knight is no rival.
    {"4r1k1/8/8/8/8/8/2N1N3/4K3 w - - 0 1", "c2d4", "Nd4"},
    // Promotions, with capture, check and underpromotion.
    {"1r2k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7b8q", "axb8=Q+"},
    {"1r2k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7b8n", "axb8=N"},
    {"1r2k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7a8r", "a8=R"},
    {"4k3/8/8/8/8/8/1p6/R3K3 b - - 0 1", "b2a1q", "bxa1=Q+"},
    // Castling both ways, for both sides, and castling with check.
    {kCastle, "e1g1", "O-O"},
    {kCastle, "e1c1", "O-O-O"},
    {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8g8", "O-O"},
    {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "O-O-O"},
    {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", "O-O+"},
    // Check and mate.
    {"r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4", "h5f7", "Qxf7#"},
    {"r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4", "c4f7", "Bxf7+"},
    {"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "a1a8", "Ra8#"},
    // En passant, and one that would uncover the king.
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5d6", "exd6"},
    {"4k3/8/8/K2pP2r/8/8/8/8 w - d6 0 2", "e5d6", "exd6", false},
    // The standard rules allow these; the board refuses them, as an enemy
    // piece reaches the rook's corner or, queenside, the knight's square.
    {"4k2r/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", "O-O"},
    {"1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1c1", "O-O-O"},
    // The board allows these; the standard rules do not: a pawn attacks a
    // square the king crosses, or the right was lost earlier.
    {"4k3/8/8/8/8/8/4p3/4K2R w K - 0 1", "e1g1", "O-O", false},
    {"4k3/8/8/8/8/8/8/4K2R w - - 0 1", "e1g1", "O-O", false},
    {"4k3/8/8/8/8/8/4p3/R3K3 w Q - 0 1", "e1c1", "O-O-O", false},
};

TEST(San, WrittenForEachKindOfMove) {
    for (const SanCase& c : kSanCases) {
        const Position p = PositionOf(c.fen);
        const Move m = Uci(c.move);
        EXPECT_EQ(ToSan(p, m), c.san) << c.fen << " " << c.move;
        EXPECT_EQ(LegalMoves(p).Contains(m), c.legal) << c.fen << " " << c.move;
    }
}

TEST(San, ReadsBackWhatItWrites) {
    for (const SanCase& c : kSanCases) {
        if (!c.legal) continue;
        const SanReading reading = ParseSan(PositionOf(c.fen), c.san);
        ASSERT_TRUE(reading) << c.fen << " " << c.san;
        EXPECT_EQ(reading.move, Uci(c.move)) << c.fen << " " << c.san;
    }
}

struct ReadCase {
    const char* fen;
    const char* text;
    const char* move; // nullptr: refused
    SanError error = SanError::kNone;
};

constexpr const char* kPromote = "4k3/P7/8/8/8/8/8/4K3 w - - 0 1";

const ReadCase kReadCases[] = {
    {kStart, "Ng1f3", "g1f3"},
    {kStart, "g1f3", "g1f3"},
    {kStart, "g1-f3", "g1f3"},
    {kStart, "Nf3+", "g1f3"},
    {kStart, "e4!?", "e2e4"},
    {kStart, "e4?!", "e2e4"},
    {kStart, "e2e4", "e2e4"},
    {kStart, "Pe4", "e2e4"},
    {kPromote, "a8=Q", "a7a8q"},
    {kPromote, "a8Q", "a7a8q"},
    {kPromote, "a8q", "a7a8q"},
    {kPromote, "a7a8q", "a7a8q"},
    {kPromote, "a8=N+", "a7a8n"},
    {kCastle, "0-0", "e1g1"},
    {kCastle, "0-0-0", "e1c1"},
    {kCastle, "O-O+", "e1g1"},
    {kCastle, "e1g1", "e1g1"},
    {kCastle, "Kg1", "e1g1"},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "exd6 e.p.", "e5d6"},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "ed6", "e5d6"},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5xd6", "e5d6"},
    // A pawn never takes a piece letter's place: "b" is a file, "B" a bishop.
    {"4k3/8/8/8/8/2p5/1P1B4/4K3 w - - 0 1", "bxc3", "b2c3"},
    {"4k3/8/8/8/8/2p5/1P1B4/4K3 w - - 0 1", "Bxc3", "d2c3"},
    // Refusals.
    {kStart, "e5", nullptr, SanError::kNotPossible},
    {kStart, "Nd2", nullptr, SanError::kNotPossible},
    {kStart, "O-O", nullptr, SanError::kNotPossible},
    {kPromote, "a8", nullptr, SanError::kNotPossible},
    {kPromote, "a8=K", nullptr, SanError::kUnreadable},
    {kRooks, "Rd1", nullptr, SanError::kAmbiguous},
    {kStart, "Zz9", nullptr, SanError::kUnreadable},
    {kStart, "", nullptr, SanError::kUnreadable},
    {kStart, "--", nullptr, SanError::kUnreadable},
    {kStart, "e2e4e5", nullptr, SanError::kUnreadable},
};

TEST(San, ReadsTolerantFormsAndRefusesTheRest) {
    for (const ReadCase& c : kReadCases) {
        const SanReading reading = ParseSan(PositionOf(c.fen), c.text);
        if (c.move) {
            ASSERT_TRUE(reading) << c.fen << " \"" << c.text << "\"";
            EXPECT_EQ(reading.move, Uci(c.move)) << c.text;
        } else {
            EXPECT_EQ(reading.error, c.error) << c.fen << " \"" << c.text << "\"";
        }
    }
}

} // namespace
} // namespace notation
