#include "flow_fixture.h"
#include "platform/library.h"

namespace {

using Refusal = CFlowTest;

TEST_F(Refusal, PinnedFigureLeavesNoTrace) {
    NewGame(1, kWhite);
    for (auto [from, to] : {std::pair{"D2", "D4"},
                            {"E7", "E5"},
                            {"B1", "C3"},
                            {"F8", "B4"},
                            {"A2", "A3"},
                            {"D7", "D5"}})
        Move(from, to);
    const std::string before = Snapshot();
    const size_t sounds = services.sounds.size();
    Move("C3", "E4");
    EXPECT_EQ(Snapshot(), before);
    Move("C3", "D5"); // a capture: the pawn returns to its place in the list
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(boxes, (std::vector<std::string>{"You have Check!", "You have Check!"}));
    EXPECT_EQ(services.sounds.size(), sounds);
    EXPECT_EQ(services.currentMove, kWhite);

    Move("A3", "B4");
    EXPECT_EQ(TypeAt("B4"), kPawn);
    EXPECT_EQ(board.capturedBlack.Count(), 1);
}

TEST_F(Refusal, MovingIntoOwnMateIsRefusedToo) {
    Position({{kKing, kWhite, 7, 0},
              {kPawn, kWhite, 6, 1},
              {kQueen, kBlack, 0, 7},
              {kRook, kBlack, 1, 1},
              {kKnight, kBlack, 7, 2},
              {kKing, kBlack, 7, 7}},
             kWhite);
    const std::string before = Snapshot();
    Move("G2", "G4");
    EXPECT_EQ(boxes, std::vector<std::string>{"You have Check!"});
    EXPECT_EQ(Snapshot(), before);

    // The engine calls the mover's side mated there, not merely in check.
    board.FigureAt(6, 1)->y = 3;
    int status = -1;
    services.currentState(board.FigureListView(), kWhite, &board.rights, &status);
    EXPECT_EQ(status, kStatusMate);
}

TEST_F(Refusal, CapturedListKeepsItsOrder) {
    Position({{kKing, kWhite, 4, 0},
              {kKnight, kWhite, 4, 2},
              {kPawn, kBlack, 3, 4},
              {kRook, kBlack, 4, 7},
              {kKing, kBlack, 7, 7}},
             kWhite);
    board.capturedBlack.Append(new CFigure{kPawn, kBlack, 3, 4, 0});
    board.capturedBlack.Append(new CFigure{kBishop, kBlack, 2, 2, 0});
    const std::string before = Snapshot();
    Move("E3", "D5");
    EXPECT_EQ(boxes, std::vector<std::string>{"You have Check!"});
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Refusal, EnPassantExposingTheKingPutsThePawnBack) {
    Position({{kKing, kWhite, 0, 4},
              {kPawn, kWhite, 4, 4},
              {kRook, kBlack, 7, 4},
              {kPawn, kBlack, 3, 6},
              {kKing, kBlack, 7, 7}},
             kBlack);
    Move("D7", "D5");
    ASSERT_EQ(board.rights[2], 1);
    const std::string before = Snapshot();
    services.animation = 1;
    Move("E5", "D6");
    EXPECT_EQ(boxes, std::vector<std::string>{"You have Check!"});
    EXPECT_EQ(Snapshot(), before);
    ASSERT_NE(At("D5"), nullptr);
    EXPECT_EQ(Fields(*At("D5")), (sFields{kPawn, kBlack, 3, 4}));
    ASSERT_EQ(services.animations.size(), 1u);
    EXPECT_NE(services.animations[0].captured, nullptr) << "the animation shows the capture";
}

TEST_F(Refusal, PromotionIsAskedFirstAndUndone) {
    Position({{kKing, kWhite, 0, 5},
              {kPawn, kWhite, 1, 6},
              {kBishop, kBlack, 2, 7},
              {kKing, kBlack, 7, 0}},
             kWhite);
    services.gameStarted = 0; // a refused first move does not start the clocks
    services.promotionType = kRook;
    Click("B7");
    const std::string selected = Snapshot();
    Click("B8");
    EXPECT_EQ(services.promotionsAsked, 1);
    EXPECT_EQ(boxes, std::vector<std::string>{"You have Check!"});
    EXPECT_EQ(TypeAt("B7"), kPawn);
    EXPECT_EQ(board.selected, 0);
    Click("B7");
    EXPECT_EQ(Snapshot(), selected);

    Click("C8");
    EXPECT_EQ(TypeAt("C8"), kRook);
    EXPECT_EQ(services.gameStarted, 1);
}

TEST_F(Refusal, MissingEngineRefusesEveryMoveAttempt) {
    services.currentState = nullptr;
    NewGame(1, kWhite);
    Click("E2");
    const std::string before = Snapshot();
    Click("E4");
    EXPECT_EQ(Snapshot(), before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find('"' + platform::NativeLibraryName(kEngineLibraryName) + '"'),
              std::string::npos)
        << boxes[0];

    // Against the computer the reply is needed as well.
    services.currentState = BuiltEngine().currentState;
    NewGame(0, kWhite);
    Click("E2");
    const std::string computer = Snapshot();
    Click("E4");
    EXPECT_EQ(Snapshot(), computer);
    EXPECT_EQ(boxes.size(), 2u);

    NewGame(0, kBlack);
    const std::string opening = Snapshot();
    board.ComputerMove();
    EXPECT_EQ(Snapshot(), opening);
    EXPECT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(services.sounds.empty());
}

} // namespace
