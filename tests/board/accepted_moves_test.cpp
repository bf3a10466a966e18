#include "flow_fixture.h"

#include <algorithm>

// The moves of a side that the board accepts, found by trying each target
// and taking it back.
namespace {

using AcceptedMoves = CFlowTest;

TEST_F(AcceptedMoves, TargetsThatKeepTheOwnKingSafe) {
    // White: Kh1, Ng2, Pa3. Black: Kh3, Ne2, Bd5, Pa4. The knight has targets,
    // but the bishop pins it; the king's targets are all attacked.
    Position({{kKing, kWhite, 7, 0},
              {kKnight, kWhite, 6, 1},
              {kPawn, kWhite, 0, 2},
              {kKing, kBlack, 7, 2},
              {kKnight, kBlack, 4, 1},
              {kBishop, kBlack, 3, 4},
              {kPawn, kBlack, 0, 3}},
             kWhite);
    int status = -1;
    services.currentState(board.FigureListView(), kWhite, &board.rights, &status);
    EXPECT_EQ(status, kStatusNormal) << "the status test counts the pinned knight's moves";
    board.selectedFigure = board.FigureAt(6, 1);
    board.BuildTargets();
    EXPECT_FALSE(board.targets.empty());
    board.ClearSelection();

    const std::string before = Snapshot();
    EXPECT_TRUE(board.AcceptedMoves(kWhite).empty());
    EXPECT_FALSE(board.AcceptedMoves(kBlack).empty());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(boxes.empty());

    NewGame(1, kWhite);
    const std::vector<sBoardMove> opening = board.AcceptedMoves(kWhite);
    ASSERT_EQ(opening.size(), 20u);
    EXPECT_EQ(opening[0], (sBoardMove{Sq("A2"), Sq("A3")}));
    EXPECT_EQ(board.AcceptedMoves(kWhite, 1).size(), 1u);
}

TEST_F(AcceptedMoves, TrialsLeaveNoTrace) {
    // Castling, en passant, captures and promotions, some of them refused.
    Position({{kKing, kWhite, 4, 0},
              {kRook, kWhite, 0, 0},
              {kRook, kWhite, 7, 0},
              {kPawn, kWhite, 4, 4},
              {kPawn, kWhite, 1, 6},
              {kKnight, kWhite, 3, 1},
              {kKing, kBlack, 6, 7},
              {kPawn, kBlack, 3, 6},
              {kRook, kBlack, 2, 7},
              {kBishop, kBlack, 1, 3}},
             kBlack);
    Move("D7", "D5");
    ASSERT_EQ(board.rights[2], 1);
    const std::string before = Snapshot();
    const std::vector<CFigure*> pointers(board.figures.begin(), board.figures.end());

    const std::vector<sBoardMove> accepted = board.AcceptedMoves(kWhite);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(std::vector<CFigure*>(board.figures.begin(), board.figures.end()), pointers);
    EXPECT_EQ(services.promotionsAsked, 0);
    EXPECT_TRUE(services.animations.empty());
    EXPECT_TRUE(boxes.empty());
    const auto has = [&](const char* from, const char* to) {
        return std::find(accepted.begin(), accepted.end(), sBoardMove{Sq(from), Sq(to)}) !=
               accepted.end();
    };
    EXPECT_TRUE(has("E1", "G1"));
    EXPECT_TRUE(has("E5", "D6")) << "en passant";
    EXPECT_TRUE(has("B7", "C8")) << "a capture that promotes";
    EXPECT_FALSE(has("E1", "C1")) << "the rook on c8 reaches c1";
    EXPECT_FALSE(has("D2", "F3")) << "the bishop on b4 pins the knight";
}

TEST_F(AcceptedMoves, ASideWithoutItsKingIsNotJudgedByTheEngine) {
    Position({{kRook, kWhite, 0, 0}, {kKing, kBlack, 7, 7}}, kWhite);
    EXPECT_EQ(board.AcceptedMoves(kWhite).size(), 14u);
    EXPECT_TRUE(boxes.empty()) << "no message about the missing king per trial";
}

} // namespace
