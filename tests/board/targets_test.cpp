#include <gtest/gtest.h>

#include "fake_services.h"

namespace {

using Squares = std::vector<sSquare>;

class Targets : public ::testing::Test, protected CBoardFixture {};

TEST_F(Targets, InitialPositionPawnAndKnight) {
    board.SetupFigures();
    EXPECT_EQ(TargetsOf(4, 1), (Squares{{4, 2}, {4, 3}}));
    EXPECT_EQ(TargetsOf(1, 0), (Squares{{2, 2}, {0, 2}}));
    EXPECT_EQ(TargetsOf(0, 0), Squares{});
    services.currentMove = kBlack;
    EXPECT_EQ(TargetsOf(4, 6), (Squares{{4, 5}, {4, 4}}));
    EXPECT_EQ(TargetsOf(6, 7), (Squares{{5, 5}, {7, 5}}));
}

TEST_F(Targets, KnightOrderAndEdges) {
    Put(kKnight, kWhite, 3, 3);
    EXPECT_EQ(TargetsOf(3, 3),
              (Squares{{4, 5}, {2, 5}, {2, 1}, {4, 1}, {5, 4}, {5, 2}, {1, 2}, {1, 4}}));
    Put(kKnight, kWhite, 0, 0);
    Put(kPawn, kWhite, 1, 2);
    Put(kPawn, kBlack, 2, 1);
    EXPECT_EQ(TargetsOf(0, 0), (Squares{{2, 1}}));
}

TEST_F(Targets, SlidersStopAtFiguresAndTakeOnlyEnemies) {
    Put(kBishop, kWhite, 2, 2);
    Put(kPawn, kWhite, 4, 4);
    Put(kPawn, kBlack, 3, 1);
    EXPECT_EQ(TargetsOf(2, 2), (Squares{{3, 3}, {3, 1}, {1, 1}, {0, 0}, {1, 3}, {0, 4}}));

    board.ClearFigures();
    Put(kRook, kWhite, 1, 1);
    Put(kKnight, kBlack, 1, 3);
    Put(kKnight, kWhite, 3, 1);
    EXPECT_EQ(TargetsOf(1, 1), (Squares{{2, 1}, {1, 0}, {0, 1}, {1, 2}, {1, 3}}));
}

TEST_F(Targets, QueenTakesBishopRaysThenRookRays) {
    Put(kQueen, kWhite, 0, 0);
    Put(kPawn, kWhite, 2, 2);
    Put(kPawn, kWhite, 0, 2);
    Put(kPawn, kBlack, 2, 0);
    EXPECT_EQ(TargetsOf(0, 0), (Squares{{1, 1}, {1, 0}, {2, 0}, {0, 1}}));

    board.ClearFigures();
    Put(kQueen, kBlack, 6, 6);
    services.currentMove = kBlack;
    EXPECT_EQ(TargetsOf(6, 6),
              (Squares{{7, 7}, {7, 5}, {5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0},
                       {5, 7}, {7, 6}, {6, 5}, {6, 4}, {6, 3}, {6, 2}, {6, 1}, {6, 0},
                       {5, 6}, {4, 6}, {3, 6}, {2, 6}, {1, 6}, {0, 6}, {6, 7}}));
}

TEST_F(Targets, KingNeighboursInOrderWithoutKingSquares) {
    Put(kKing, kWhite, 4, 4);
    EXPECT_EQ(TargetsOf(4, 4),
              (Squares{{5, 5}, {3, 5}, {3, 3}, {5, 3}, {4, 5}, {4, 3}, {3, 4}, {5, 4}}));
    Put(kKing, kBlack, 5, 5);
    Put(kPawn, kBlack, 4, 5);
    EXPECT_EQ(TargetsOf(4, 4), (Squares{{3, 5}, {3, 3}, {5, 3}, {4, 5}, {4, 3}, {3, 4}, {5, 4}}));
    Put(kRook, kWhite, 5, 0);
    // The rook's ray ends at the enemy king, whose square is dropped.
    EXPECT_EQ(TargetsOf(5, 0), (Squares{{6, 0},
                                        {7, 0},
                                        {4, 0},
                                        {3, 0},
                                        {2, 0},
                                        {1, 0},
                                        {0, 0},
                                        {5, 1},
                                        {5, 2},
                                        {5, 3},
                                        {5, 4}}));
}

TEST_F(Targets, PawnCapturesForwardAndDoubleStep) {
    Put(kPawn, kWhite, 3, 1);
    Put(kKnight, kBlack, 2, 2);
    Put(kKnight, kBlack, 4, 2);
    EXPECT_EQ(TargetsOf(3, 1), (Squares{{2, 2}, {4, 2}, {3, 2}, {3, 3}}));

    Put(kBishop, kBlack, 3, 3);
    EXPECT_EQ(TargetsOf(3, 1), (Squares{{2, 2}, {4, 2}, {3, 2}}));
    Put(kBishop, kWhite, 3, 2);
    EXPECT_EQ(TargetsOf(3, 1), (Squares{{2, 2}, {4, 2}}));

    // Own figures on the diagonals are no targets; a pawn off its start rank steps once.
    board.ClearFigures();
    Put(kPawn, kBlack, 5, 5);
    Put(kPawn, kBlack, 4, 4);
    Put(kPawn, kWhite, 6, 4);
    services.currentMove = kBlack;
    EXPECT_EQ(TargetsOf(5, 5), (Squares{{6, 4}, {5, 4}}));
}

TEST_F(Targets, PawnStartRankBelongsToTheColourToMove) {
    // A black pawn on rank 1 gets no double step, a white one on rank 6 neither.
    Put(kPawn, kBlack, 2, 1);
    services.currentMove = kBlack;
    EXPECT_EQ(TargetsOf(2, 1), (Squares{{2, 0}}));
    Put(kPawn, kWhite, 5, 6);
    services.currentMove = kWhite;
    EXPECT_EQ(TargetsOf(5, 6), (Squares{{5, 7}}));
}

TEST_F(Targets, EnPassantRightLifecycle) {
    services.playerMode = 1;
    Put(kPawn, kWhite, 4, 4);
    CFigure* black = Put(kPawn, kBlack, 3, 6);
    CFigure* knight = Put(kKnight, kWhite, 0, 0);
    Put(kPawn, kBlack, 7, 6);

    services.currentMove = kBlack;
    board.UpdateEnPassant(black, 6, 3, 4);
    black->y = 4;
    EXPECT_EQ(board.rights[2], 1);
    EXPECT_EQ(board.rights[4], 3);
    EXPECT_EQ(board.rights[5], 5);
    EXPECT_EQ(board.rights[3], 0);

    services.currentMove = kWhite;
    EXPECT_EQ(TargetsOf(4, 4), (Squares{{4, 5}, {3, 5}}));

    // White plays elsewhere, black answers: the right is gone at white's next turn.
    board.UpdateEnPassant(knight, 0, 2, 1);
    knight->x = 2, knight->y = 1;
    EXPECT_EQ(board.rights[2], 1);
    services.currentMove = kBlack;
    board.UpdateEnPassant(board.FigureAt(7, 6), 6, 7, 5);
    EXPECT_EQ(board.rights[2], 0);
    EXPECT_EQ(board.rights[4], 3);
    EXPECT_EQ(board.rights[5], 5);
    services.currentMove = kWhite;
    EXPECT_EQ(TargetsOf(4, 4), (Squares{{4, 5}}));
}

TEST_F(Targets, EnPassantNeedsAnAdjacentEnemyPawn) {
    CFigure* black = Put(kPawn, kBlack, 3, 6);
    services.currentMove = kBlack;
    board.rights[2] = 1;

    Put(kKnight, kWhite, 4, 4);
    Put(kPawn, kBlack, 2, 4);
    Put(kPawn, kWhite, 5, 4);
    board.UpdateEnPassant(black, 6, 3, 4);
    EXPECT_EQ(board.rights[2], 0);

    Put(kPawn, kWhite, 2, 3);
    board.UpdateEnPassant(black, 6, 3, 4);
    EXPECT_EQ(board.rights[2], 0) << "a pawn beside the start square does not count";

    Put(kPawn, kWhite, 4, 4); // shares the square with the knight; the pawn is found
    board.UpdateEnPassant(black, 6, 3, 4);
    EXPECT_EQ(board.rights[2], 1);

    board.UpdateEnPassant(black, 6, 3, 5);
    EXPECT_EQ(board.rights[2], 0) << "a single step";
    board.UpdateEnPassant(board.FigureAt(2, 4), 6, 3, 4);
    EXPECT_EQ(board.rights[2], 1) << "any pawn moving two ranks";
    board.UpdateEnPassant(board.FigureAt(4, 4), 6, 3, 4);
    EXPECT_EQ(board.rights[2], 0) << "a knight moving two ranks";
}

TEST_F(Targets, EnPassantSquareOnlyBesideTheTarget) {
    Put(kPawn, kWhite, 1, 4);
    Put(kPawn, kWhite, 5, 4);
    Put(kPawn, kWhite, 4, 3);
    board.rights[2] = 1;
    board.rights[4] = 3;
    board.rights[5] = 5;
    EXPECT_EQ(TargetsOf(1, 4), (Squares{{1, 5}}));
    EXPECT_EQ(TargetsOf(5, 4), (Squares{{5, 5}}));
    EXPECT_EQ(TargetsOf(4, 3), (Squares{{4, 4}}));
    board.rights[4] = 4;
    EXPECT_EQ(TargetsOf(5, 4), (Squares{{5, 5}, {4, 5}}));
    board.rights[3] = 1, board.rights[2] = 0;
    EXPECT_EQ(TargetsOf(5, 4), (Squares{{5, 5}}));
}

TEST_F(Targets, CollectTargetsIsReachNotAttack) {
    Put(kPawn, kBlack, 4, 4);
    Put(kKing, kWhite, 3, 3);
    Put(kKnight, kBlack, 0, 0);
    Put(kPawn, kWhite, 7, 7);
    Put(kPawn, kBlack, 6, 6);
    Squares reached;
    board.CollectTargets(reached, kBlack);
    EXPECT_EQ(reached, (Squares{{3, 3}, {4, 3}, {1, 2}, {2, 1}, {6, 5}, {6, 4}}));

    board.CollectTargets(reached, kWhite);
    EXPECT_EQ(reached,
              (Squares{{4, 4}, {2, 4}, {2, 2}, {4, 2}, {3, 4}, {3, 2}, {2, 3}, {4, 3}, {7, 8}}))
        << "a pawn's forward square is taken as empty past the edge";
}

} // namespace
