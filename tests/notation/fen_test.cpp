// FEN read and written back, and the texts that are refused with a reason.
#include <gtest/gtest.h>

#include "notation/fen.h"

namespace notation {
namespace {

TEST(Fen, ReadsAndWritesTheSameText) {
    for (const char* fen : {
             "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
             "rnbqkbnr/ppp1pppp/8/8/3pP3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 3",
             "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w Kq - 12 40",
             "8/8/8/8/8/8/8/K6k b - - 99 200",
             "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2",
         }) {
        const FenReading reading = ReadFen(fen);
        ASSERT_TRUE(reading) << fen << ": " << reading.error;
        EXPECT_EQ(WriteFen(reading.position), fen);
    }
    EXPECT_EQ(WriteFen(StartPosition()), kStartFen);
}

TEST(Fen, KeepsAnEnPassantSquareOnlyWhileAPawnCanUseIt) {
    const FenReading idle = ReadFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    ASSERT_TRUE(idle) << idle.error;
    EXPECT_EQ(idle.position.enPassant, kNoSquare);
    EXPECT_EQ(WriteFen(idle.position),
              "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
}

TEST(Fen, LeavesOutMissingCountersAndCountsMovesFromOne) {
    const FenReading short_ = ReadFen("  4k3/8/8/8/8/8/8/4K3 w - -  ");
    ASSERT_TRUE(short_) << short_.error;
    EXPECT_EQ(WriteFen(short_.position), "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    const FenReading zero = ReadFen("4k3/8/8/8/8/8/8/4K3 w - - 3 0");
    ASSERT_TRUE(zero) << zero.error;
    EXPECT_EQ(zero.position.fullmoveNumber, 1);
}

struct Refusal {
    const char* fen;
    const char* reason;
};

const Refusal kRefusals[] = {
    {"", "A FEN needs at least four fields: placement, side to move, castling and en passant"},
    {"4k3/8/8/8/8/8/8/4K3 w -", "A FEN needs at least four fields"},
    {"4k3/8/8/8/8/8/8/4K3 w - - 0 1 extra", "A FEN has no more than six fields"},
    {"4k3/8/8/8/8/8/8 w - - 0 1", "The placement has fewer than eight ranks"},
    {"4k3/8/8/8/8/8/8/8/4K3 w - - 0 1", "The placement has more than eight ranks"},
    {"4k3/8/8/8/8/8/8/4K4 w - - 0 1", "Rank 1 of the placement has more than eight squares"},
    {"4k3/8/8/7/8/8/8/4K3 w - - 0 1", "Rank 5 of the placement has fewer than eight squares"},
    {"4k3/8/8/8/8/8/8/4K2 w - - 0 1", "Rank 1 of the placement has fewer than eight squares"},
    {"4k3/8/8/8/3X4/8/8/4K3 w - - 0 1", "\"X\" in rank 4 is not a piece letter"},
    {"4k3/8/8/8/8/8/8/8 w - - 0 1", "White has no king"},
    {"4k3/8/8/8/8/8/8/3KK3 w - - 0 1", "White has more than one king"},
    {"4kk2/8/8/8/8/8/8/4K3 w - - 0 1", "Black has more than one king"},
    {"P3k3/8/8/8/8/8/8/4K3 w - - 0 1",
     "A pawn stands on a8: pawns never stand on the first or last rank"},
    {"4k3/8/8/8/8/8/8/p3K3 w - - 0 1", "A pawn stands on a1"},
    {"4k3/8/8/8/8/PPPPPPPP/P7/4K3 w - - 0 1", "White has more than eight pawns"},
    {"QQQk4/8/8/8/8/8/PPPPPPPP/4K3 w - - 0 1",
     "White has more pieces than its pawns could have become"},
    {"4k3/8/8/8/8/8/8/4K2r b - - 0 1", "White is in check, but it is Black's move"},
    {"4k3/8/8/8/8/8/8/4K3 x - - 0 1", "The side to move must be \"w\" or \"b\""},
    {"4k3/8/8/8/8/8/8/4K3 w X - 0 1", "The castling field \"X\" may hold only K, Q, k and q"},
    {"4k3/8/8/8/8/8/8/4K3 w K - 0 1",
     "White cannot castle kingside: its king and rook are not on e1 and h1"},
    {"1r2k3/8/8/8/8/8/8/3K4 w q - 0 1",
     "Black cannot castle queenside: its king and rook are not on e8 and a8"},
    {"4k3/8/8/8/8/8/8/4K3 w - e9 0 1", "The en passant field \"e9\" must be a square or \"-\""},
    {"4k3/8/8/8/8/8/8/4K3 w - e6 0 1",
     "The en passant square e6 does not lie behind a pawn that has just made a double step"},
    {"4k3/8/8/4p3/8/8/8/4K3 w - e3 0 1", "The en passant square e3 does not lie behind"},
    {"4k3/8/8/8/8/8/8/4K3 w - - x 1", "The halfmove clock \"x\" is not a number"},
    {"4k3/8/8/8/8/8/8/4K3 w - - -1 1", "The halfmove clock \"-1\" is not a number"},
    {"4k3/8/8/8/8/8/8/4K3 w - - 0 99999999999", "The move number"},
};

TEST(Fen, RefusesBrokenTextsAndSaysWhy) {
    for (const Refusal& r : kRefusals) {
        const FenReading reading = ReadFen(r.fen);
        EXPECT_FALSE(reading) << r.fen;
        EXPECT_EQ(reading.error.rfind(r.reason, 0), 0u)
            << r.fen << "\n  said: " << reading.error << "\n  want: " << r.reason;
    }
}

} // namespace
} // namespace notation
