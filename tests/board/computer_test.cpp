#include "flow_fixture.h"

namespace {

using Computer = CScriptedFlowTest;

TEST_F(Computer, EachPairAddsOneRecordAndTwoEntries) {
    NewGame(0, kWhite);
    Reply("E7", "E5");
    Reply("B8", "C6");
    Move("E2", "E4");
    EXPECT_EQ(sScript::Get().thinkingDuringCall, 1);
    EXPECT_GE(sScript::Get().framesBeforeCall, 1) << "the player's move is drawn first";
    EXPECT_EQ(board.history.Count(), 2);
    Move("G1", "F3");
    EXPECT_EQ(board.history.Count(), 3);
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"E2 - E4", "E7 - E5", "G1 - F3", "B8 - C6"}));
    EXPECT_EQ(board.moveCount, 4);
    EXPECT_EQ(TypeAt("C6"), kKnight);
    EXPECT_EQ(board.lastMove, (sLastMove{1, 7, 2, 5}));
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_EQ(board.thinking, 0);
    EXPECT_EQ(services.stopThinking, 0);
    EXPECT_EQ(services.sounds, (std::vector<int>{0, 0, 0, 0}));

    board.StepBack();
    EXPECT_EQ(board.moveCount, 2);
    EXPECT_EQ(TypeAt("E5"), kPawn);
    EXPECT_EQ(At("F3"), nullptr);
}

TEST_F(Computer, ItsMateEndsTheGameAfterItsMove) {
    NewGame(0, kWhite);
    Reply("E7", "E5");
    Reply("D8", "H4");
    Move("F2", "F3");
    Move("G2", "G4");
    EXPECT_EQ(boxes, std::vector<std::string>{"Mate!"});
    EXPECT_EQ(services.sounds.back(), 2);
    EXPECT_EQ(board.gameOver, 1);
    EXPECT_EQ(board.history.Count(), 3) << "one record for the last pair";
    EXPECT_EQ(moves.entries.Count(), 4);
}

TEST_F(Computer, MatingItAsksNoReply) {
    NewGame(0, kWhite);
    Reply("E7", "E5");
    Reply("B8", "C6");
    Reply("G8", "F6");
    Reply("A7", "A6");
    for (auto [from, to] : {std::pair{"E2", "E4"}, {"F1", "C4"}, {"D1", "H5"}, {"H5", "F7"}})
        Move(from, to);
    EXPECT_EQ(boxes, std::vector<std::string>{"Mate!"});
    EXPECT_EQ(sScript::Get().calls, 3);
    EXPECT_EQ(board.gameOver, 1);
    EXPECT_EQ(services.gameStarted, 0);
    EXPECT_EQ(moves.entries.Count(), 7);
}

TEST_F(Computer, OpensTheGameWhenThePlayerIsBlack) {
    NewGame(0, kBlack);
    EXPECT_TRUE(board.history.Empty());
    Click("E7");
    EXPECT_EQ(board.selected, 0) << "clicks wait for Start Game";

    Reply("E2", "E4");
    board.ComputerMove();
    EXPECT_EQ(services.gameStarted, 1);
    EXPECT_EQ(board.history.Count(), 1);
    EXPECT_EQ(MoveTexts(), std::vector<std::string>{"E2 - E4"});
    EXPECT_EQ(services.sounds, std::vector<int>{0});
    EXPECT_EQ(services.stopThinking, 0);

    Reply("G1", "F3");
    Move("E7", "E5");
    EXPECT_EQ(board.history.Count(), 2);
    EXPECT_EQ(moves.entries.Count(), 3);
    EXPECT_EQ(services.currentMove, kBlack);
}

TEST_F(Computer, TheBoardStaysWhileTheEngineThinks) {
    NewGame(0, kWhite);
    Reply("E7", "E5");
    std::string during;
    sScript::Get().duringCall = [&] {
        during = Snapshot();
        board.ResetGame();
        board.ComputerMove();
        Click("D2");
        board.OnBoardClick({0, 0, 0}, kEye);
        EXPECT_EQ(Snapshot(), during);
    };
    Move("E2", "E4");
    EXPECT_EQ(sScript::Get().calls, 1);
    EXPECT_EQ(TypeAt("E5"), kPawn);
    EXPECT_EQ(moves.entries.Count(), 2);
}

TEST_F(Computer, AMoveOffTheBoardIsNotPlayed) {
    NewGame(0, kWhite);
    sScript::Get().moves.push_back({4, 6, 4, 9});
    Move("E2", "E4");
    EXPECT_EQ(TypeAt("E7"), kPawn);
    EXPECT_EQ(moves.entries.Count(), 1);
    EXPECT_EQ(board.thinking, 0);
}

TEST_F(Computer, TheBuiltEngineReplies) {
    if (!BuiltEngine().computerMove) GTEST_SKIP() << "the engine exports no move search yet";
    services.computerMove = BuiltEngine().computerMove;
    NewGame(0, kWhite);
    Move("E2", "E4");
    ASSERT_EQ(moves.entries.Count(), 2);
    EXPECT_EQ(board.history.Count(), 2);
    const CFigure* replied = board.FigureAt(board.lastMove.toX, board.lastMove.toY);
    ASSERT_NE(replied, nullptr);
    EXPECT_EQ(replied->color, kBlack);
    EXPECT_EQ(board.thinking, 0);
    EXPECT_EQ(services.stopThinking, 0);
}

} // namespace
