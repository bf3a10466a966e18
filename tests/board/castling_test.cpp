#include <gtest/gtest.h>

#include "fake_services.h"

namespace {

using Squares = std::vector<sSquare>;

const Squares kWhiteKingMoves{{5, 1}, {3, 1}, {4, 1}, {3, 0}, {5, 0}};

class Castling : public ::testing::Test, protected CBoardFixture {
protected:
    void SetUp() override {
        Put(kKing, kWhite, 4, 0);
        Put(kRook, kWhite, 7, 0);
        Put(kRook, kWhite, 0, 0);
        Put(kKing, kBlack, 4, 7);
    }
    bool Kingside() { return Has({6, 0}); }
    bool Queenside() { return Has({2, 0}); }
    bool Has(sSquare s) {
        const Squares t = TargetsOf(4, 0);
        return std::find(t.begin(), t.end(), s) != t.end();
    }
};

TEST_F(Castling, BothSidesAppendedAfterTheKingSteps) {
    Squares expected = kWhiteKingMoves;
    expected.push_back({6, 0});
    expected.push_back({2, 0});
    EXPECT_EQ(TargetsOf(4, 0), expected);
}

TEST_F(Castling, LostWithTheFlagsOfTheKingAndEachRook) {
    board.rights[9] = 1;
    EXPECT_TRUE(Kingside());
    EXPECT_FALSE(Queenside());
    board.rights[9] = 0, board.rights[8] = 1;
    EXPECT_FALSE(Kingside());
    EXPECT_TRUE(Queenside());
    board.rights[8] = 0, board.rights[0] = 1;
    EXPECT_EQ(TargetsOf(4, 0), kWhiteKingMoves);
    board.rights[0] = 0;
    // Black's words leave white alone.
    board.rights[1] = board.rights[10] = board.rights[11] = 1;
    EXPECT_TRUE(Kingside() && Queenside());
}

TEST_F(Castling, BlackReadsItsOwnWords) {
    Put(kRook, kBlack, 7, 7);
    Put(kRook, kBlack, 0, 7);
    Put(kPawn, kWhite, 7, 1); // keep the white rooks off the black corners
    Put(kPawn, kWhite, 0, 1);
    services.currentMove = kBlack;
    board.rights[0] = board.rights[8] = board.rights[9] = 1;
    Squares t = TargetsOf(4, 7);
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t.end()[-2], (sSquare{6, 7}));
    EXPECT_EQ(t.end()[-1], (sSquare{2, 7}));
    board.rights[10] = 1;
    t = TargetsOf(4, 7);
    EXPECT_EQ(t.back(), (sSquare{2, 7}));
    EXPECT_EQ(std::count(t.begin(), t.end(), sSquare{6, 7}), 0);
    board.rights[10] = 0, board.rights[11] = 1;
    t = TargetsOf(4, 7);
    EXPECT_EQ(t.back(), (sSquare{6, 7}));
    board.rights[1] = 1, board.rights[11] = 0;
    t = TargetsOf(4, 7);
    EXPECT_EQ(std::count(t.begin(), t.end(), sSquare{6, 7}) +
                  std::count(t.begin(), t.end(), sSquare{2, 7}),
              0);
}

TEST_F(Castling, NeedsTheOwnRookOnItsCornerAndAnEmptyPath) {
    board.CaptureFigure(board.FigureAt(7, 0));
    EXPECT_FALSE(Kingside()) << "flags untouched, but the rook is gone";
    EXPECT_TRUE(Queenside());
    Put(kBishop, kWhite, 7, 0);
    EXPECT_FALSE(Kingside());
    Put(kKnight, kWhite, 1, 0);
    EXPECT_FALSE(Queenside()) << "the square beside the rook must be empty too";
    board.FigureAt(1, 0)->x = 6;
    EXPECT_TRUE(Queenside());
}

TEST_F(Castling, RefusedWhenTheEnemyReachesTheCorners) {
    CFigure* rook = Put(kRook, kBlack, 7, 5); // its file ends at the white rook on (7, 0)
    EXPECT_FALSE(Kingside());
    EXPECT_TRUE(Queenside());
    rook->x = 0;
    EXPECT_TRUE(Kingside());
    EXPECT_FALSE(Queenside());
}

TEST_F(Castling, RefusedWhenTheEnemyReachesTheSquareBesideTheQueensideRook) {
    Put(kKnight, kBlack, 0, 2); // reaches (1, 0), which the king never crosses
    EXPECT_FALSE(Queenside());
    EXPECT_TRUE(Kingside());
}

TEST_F(Castling, RefusedInCheck) {
    Put(kRook, kBlack, 4, 5);
    EXPECT_FALSE(Kingside());
    EXPECT_FALSE(Queenside());
}

TEST_F(Castling, PawnsStopItThroughForwardSquaresNotDiagonals) {
    CFigure* pawn = Put(kPawn, kBlack, 4, 1); // attacks (5, 0), which stays empty
    EXPECT_TRUE(Kingside());
    EXPECT_TRUE(Queenside());
    pawn->x = 6;
    EXPECT_FALSE(Kingside());
    EXPECT_TRUE(Queenside());
    Squares reached;
    board.CollectTargets(reached, kBlack);
    EXPECT_NE(std::find(reached.begin(), reached.end(), sSquare{6, 0}), reached.end());
}

TEST_F(Castling, PathSafeTestsFourSquaresKingsideAndFiveQueenside) {
    Put(kPawn, kBlack, 3, 2); // reaches (3, 1) and nothing else on rank 1
    EXPECT_EQ(board.CastlePathSafe(1, 4, 1), 1);
    EXPECT_EQ(board.CastlePathSafe(0, 4, 1), 0);
    EXPECT_EQ(board.CastlePathSafe(1, 3, 1), 0) << "the king's own square";
    EXPECT_EQ(board.CastlePathSafe(1, 0, 1), 0);
    EXPECT_EQ(board.CastlePathSafe(1, -1, 1), 1);
    EXPECT_EQ(board.CastlePathSafe(0, 7, 1), 0);
    EXPECT_EQ(board.CastlePathSafe(0, 8, 1), 1);
}

TEST_F(Castling, AnyRankAndFileWithTheRookOnTheSameRank) {
    board.ClearFigures();
    Put(kKing, kWhite, 2, 3);
    Put(kRook, kWhite, 7, 3);
    Put(kKing, kBlack, 7, 7);
    const Squares t = TargetsOf(2, 3);
    EXPECT_EQ(t.back(), (sSquare{4, 3}));
}

} // namespace
