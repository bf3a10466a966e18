#include <gtest/gtest.h>

#include "fake_services.h"

namespace {

class Position : public ::testing::Test, protected CBoardFixture {};

TEST_F(Position, InitialPositionInListOrder) {
    board.SetupFigures();
    ASSERT_EQ(board.figures.Count(), 32);
    const int32_t backRow[8][2] = {{kKnight, 1}, {kKnight, 6}, {kBishop, 2}, {kBishop, 5},
                                   {kRook, 0},   {kRook, 7},   {kQueen, 3},  {kKing, 4}};
    for (int color = 0; color < 2; ++color) {
        for (int i = 0; i < 8; ++i) {
            const CFigure* pawn = board.figures[color * 16 + i];
            EXPECT_EQ(Fields(*pawn), (sFields{kPawn, color, i, color ? 6 : 1}));
            const CFigure* f = board.figures[color * 16 + 8 + i];
            EXPECT_EQ(Fields(*f), (sFields{backRow[i][0], color, backRow[i][1], color ? 7 : 0}));
        }
    }
    EXPECT_EQ(board.FigureAt(3, 0)->type, kQueen);
    EXPECT_EQ(board.FigureAt(4, 7)->type, kKing);
    EXPECT_TRUE(board.capturedBlack.Empty() && board.capturedWhite.Empty());
}

TEST_F(Position, LookupsOnAndOffTheBoard) {
    EXPECT_EQ(board.IsOnBoard(0, 0), 1);
    EXPECT_EQ(board.IsOnBoard(7, 7), 1);
    for (auto [x, y] : {std::pair{-1, 0}, {8, 0}, {0, -1}, {0, 8}, {INT32_MIN, INT32_MAX}})
        EXPECT_EQ(board.IsOnBoard(x, y), 0);

    EXPECT_EQ(board.FigureAt(3, 3), nullptr);
    EXPECT_EQ(board.IsEmpty(3, 3), 1);
    CFigure* first = Put(kRook, kWhite, 3, 3);
    Put(kKnight, kBlack, 3, 3);
    Put(kPawn, kWhite, 8, 0);
    EXPECT_EQ(board.FigureAt(3, 3), first);
    EXPECT_EQ(board.IsEmpty(3, 3), 0);
    EXPECT_EQ(board.FigureAt(8, 0), nullptr);
    EXPECT_EQ(board.IsEmpty(8, 0), 1);

    EXPECT_EQ(SquareName(0, 0), "A1");
    EXPECT_EQ(SquareName(7, 7), "H8");
    EXPECT_EQ(SquareName(4, 1), "E2");
}

TEST_F(Position, CaptureKeepsACopyAndTheOrderOfTheRest) {
    board.SetupFigures();
    CFigure* knight = board.FigureAt(1, 7);
    const CFigure before = *knight;
    const CFigure* next = board.figures[25];
    board.CaptureFigure(knight);
    ASSERT_EQ(board.figures.Count(), 31);
    EXPECT_EQ(board.figures[24], next);
    ASSERT_EQ(board.capturedBlack.Count(), 1);
    EXPECT_EQ(Fields(*board.capturedBlack[0]), Fields(before));
    EXPECT_TRUE(board.capturedWhite.Empty());

    board.CaptureFigure(board.FigureAt(0, 1));
    ASSERT_EQ(board.capturedWhite.Count(), 1);
    EXPECT_EQ(board.capturedWhite[0]->type, kPawn);
    board.CaptureFigure(nullptr);
    EXPECT_EQ(board.figures.Count(), 30);
}

TEST_F(Position, RestoreCapturedRemovesOnlyTheFirstEqualEntry) {
    const CFigure pawn{kPawn, kBlack, 2, 4, 0};
    for (int i = 0; i < 2; ++i) board.capturedBlack.Append(new CFigure(pawn));
    board.capturedBlack.Append(new CFigure{kPawn, kBlack, 2, 5, 0});
    board.capturedWhite.Append(new CFigure{kRook, kWhite, 0, 0, 0});

    board.RestoreCaptured(&pawn);
    EXPECT_EQ(board.capturedBlack.Count(), 2);
    EXPECT_EQ(board.capturedBlack[0]->y, 4);
    EXPECT_EQ(board.capturedBlack[1]->y, 5);

    const CFigure rook{kRook, kWhite, 0, 0, 7};
    board.RestoreCaptured(&rook);
    EXPECT_TRUE(board.capturedWhite.Empty());
    const CFigure stranger{kQueen, kWhite, 0, 0, 0};
    board.RestoreCaptured(&stranger);
    board.RestoreCaptured(nullptr);
    EXPECT_EQ(board.capturedBlack.Count(), 2);
}

TEST_F(Position, BlackCopyIsFoundFirstEvenWhenBothListsHoldIt) {
    const CFigure odd{kBishop, kWhite, 1, 1, 0}; // a white figure filed among the black ones
    board.capturedBlack.Append(new CFigure(odd));
    board.capturedWhite.Append(new CFigure(odd));
    board.RestoreCaptured(&odd);
    EXPECT_TRUE(board.capturedBlack.Empty());
    EXPECT_EQ(board.capturedWhite.Count(), 1);
}

TEST_F(Position, ClearFiguresEmptiesEverythingAndDropsTheSelection) {
    board.SetupFigures();
    board.CaptureFigure(board.FigureAt(0, 6));
    board.CaptureFigure(board.FigureAt(0, 1));
    board.selectedFigure = board.FigureAt(1, 0);
    board.selected = 1;
    board.BuildTargets();
    board.ClearFigures();
    EXPECT_TRUE(board.figures.Empty() && board.capturedBlack.Empty() &&
                board.capturedWhite.Empty());
    EXPECT_EQ(board.selectedFigure, nullptr);
    EXPECT_EQ(board.selected, 0);
    EXPECT_TRUE(board.targets.empty());
}

TEST_F(Position, RightsWordsOutsideTheBlockReachASpare) {
    board.Right(14) = 5;
    board.Right(-1) = 5;
    EXPECT_EQ(board.Right(14), 0);
    board.Right(13) = 6;
    EXPECT_EQ(board.rights[13], 6);
    // A colour that is neither white nor black has no rights words to read.
    services.currentMove = 7;
    Put(kPawn, 7, 3, 3);
    Put(kKing, 7, 5, 5);
    board.rights[2] = 1;
    EXPECT_EQ(TargetsOf(3, 3).size(), 1u);
    EXPECT_EQ(TargetsOf(5, 5).size(), 8u);
}

} // namespace
