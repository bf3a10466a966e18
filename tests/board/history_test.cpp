#include <gtest/gtest.h>

#include "fake_services.h"

namespace {

class History : public ::testing::Test, protected CBoardFixture {
protected:
    void NewGame() {
        board.ClearHistory();
        board.lastMove = {};
        board.SetupFigures();
        board.PushHistory();
    }

    // A move as the turn flow records it, without the recording.
    void Play(int32_t fx, int32_t fy, int32_t tx, int32_t ty) {
        CFigure* m = board.FigureAt(fx, fy);
        ASSERT_NE(m, nullptr);
        board.CaptureFigure(board.FigureAt(tx, ty));
        m->x = tx, m->y = ty;
        board.lastMove = {fx, fy, tx, ty};
        board.AddMove();
    }

    // Between two players: one record per move.
    void PlayAndSwitch(int32_t fx, int32_t fy, int32_t tx, int32_t ty) {
        Play(fx, fy, tx, ty);
        services.currentMove = !services.currentMove;
        board.PushHistory();
    }

    // Against the computer: the player's move and the reply share a record.
    void PlayPair(sLastMove player, sLastMove reply) {
        Play(player.fromX, player.fromY, player.toX, player.toY);
        Play(reply.fromX, reply.fromY, reply.toX, reply.toY);
        board.PushHistory();
    }

    std::vector<sFields> Figures() const {
        std::vector<sFields> out;
        for (const CFigure* f : board.figures) out.push_back(Fields(*f));
        return out;
    }

    std::vector<std::string> MoveTexts() const {
        std::vector<std::string> out;
        for (const sMove* m : moves.entries) out.push_back(m->text);
        return out;
    }
};

TEST_F(History, RecordHoldsPositionRightsCapturesAndLastMove) {
    NewGame();
    ASSERT_EQ(board.history.Count(), 1);
    EXPECT_EQ(board.historyIndex, 0);
    const sBoardState& start = *board.history[0];
    EXPECT_EQ(start.pieces.size(), 32u);
    EXPECT_EQ(start.lastMove, sLastMove{});

    PlayAndSwitch(4, 1, 4, 3);
    PlayAndSwitch(3, 6, 3, 4);
    board.rights[9] = 1;
    board.rights[13] = 4;
    PlayAndSwitch(4, 3, 3, 4);
    const sBoardState& r = *board.history[3];
    EXPECT_EQ(r.pieces.size(), 31u);
    EXPECT_EQ(r.rights[9], 1);
    EXPECT_EQ(r.rights[13], 4);
    EXPECT_EQ(r.lastMove, (sLastMove{4, 3, 3, 4}));
    ASSERT_EQ(r.capturedBlack.size(), 1u);
    EXPECT_EQ(r.capturedBlack[0], (sState{kPawn, kBlack, 0, 0}));
    EXPECT_TRUE(r.capturedWhite.empty());
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"E2 - E4", "D7 - D5", "E4 - D5"}));
    const sMove& m = *moves.entries[0];
    EXPECT_EQ((sFields{m.fromX, m.fromY, m.toX, m.toY}), (sFields{4, 1, 4, 3}));
    EXPECT_EQ(board.moveCount, 3);
}

TEST_F(History, RestoredCapturesStandOnA1InTheirOrder) {
    NewGame();
    PlayAndSwitch(1, 0, 2, 2);
    PlayAndSwitch(3, 6, 3, 4);
    PlayAndSwitch(2, 2, 3, 4);
    PlayAndSwitch(4, 6, 4, 5);
    PlayAndSwitch(3, 4, 4, 5);
    PlayAndSwitch(5, 6, 4, 5);
    board.StepBack();
    board.StepForward();
    ASSERT_EQ(board.capturedBlack.Count(), 2);
    EXPECT_EQ(Fields(*board.capturedBlack[0]), (sFields{kPawn, kBlack, 0, 0}));
    EXPECT_EQ(Fields(*board.capturedBlack[1]), (sFields{kPawn, kBlack, 0, 0}));
    ASSERT_EQ(board.capturedWhite.Count(), 1);
    EXPECT_EQ(Fields(*board.capturedWhite[0]), (sFields{kKnight, kWhite, 0, 0}));
    EXPECT_EQ(board.history[6]->capturedBlack.size(), 2u);
}

TEST_F(History, NewMoveAfterBrowsingDropsBothRedoTails) {
    NewGame();
    PlayAndSwitch(4, 1, 4, 3);
    PlayAndSwitch(4, 6, 4, 4);
    PlayAndSwitch(6, 0, 5, 2);
    board.StepBack();
    board.StepBack();
    EXPECT_EQ(services.currentMove, kBlack);
    EXPECT_EQ(board.moveCount, 1);
    EXPECT_EQ(board.historyIndex, 1);
    PlayAndSwitch(3, 6, 3, 4);
    EXPECT_EQ(board.history.Count(), 3);
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"E2 - E4", "D7 - D5"}));
    EXPECT_EQ(board.history[2]->lastMove, (sLastMove{3, 6, 3, 4}));
}

TEST_F(History, StepBackAndForwardRestoreRecordsAndTurns) {
    NewGame();
    PlayAndSwitch(4, 1, 4, 3);
    PlayAndSwitch(3, 6, 3, 4);
    PlayAndSwitch(4, 3, 3, 4);
    const auto after = Figures();
    board.selected = 1;
    board.selectedFigure = board.FigureAt(3, 4);

    board.StepBack();
    EXPECT_EQ(board.selected, 0);
    EXPECT_EQ(board.selectedFigure, nullptr);
    EXPECT_EQ(board.lastMove, (sLastMove{3, 6, 3, 4}));
    EXPECT_EQ(board.figures.Count(), 32);
    EXPECT_TRUE(board.capturedBlack.Empty());
    EXPECT_EQ(services.currentMove, kWhite);

    board.StepForward();
    EXPECT_EQ(Figures(), after);
    EXPECT_EQ(board.moveCount, 3);
    EXPECT_EQ(services.currentMove, kBlack);
    ASSERT_EQ(board.capturedBlack.Count(), 1);
    EXPECT_EQ(Fields(*board.capturedBlack[0]), (sFields{kPawn, kBlack, 0, 0}));

    // Outside their preconditions both do nothing.
    board.StepForward();
    EXPECT_EQ(board.historyIndex, 3);
    board.GoToStart();
    board.StepBack();
    EXPECT_EQ(board.historyIndex, 0);
    EXPECT_EQ(board.moveCount, 0);
}

TEST_F(History, AgainstTheComputerOneStepIsTwoMoves) {
    services.playerMode = 0;
    NewGame();
    PlayPair({4, 1, 4, 3}, {4, 6, 4, 4});
    PlayPair({6, 0, 5, 2}, {1, 7, 2, 5});
    EXPECT_EQ(board.history.Count(), 3);
    EXPECT_EQ(board.moveCount, 4);
    board.StepBack();
    EXPECT_EQ(board.moveCount, 2);
    EXPECT_EQ(board.historyIndex, 1);
    EXPECT_EQ(board.FigureAt(6, 0)->type, kKnight);
    EXPECT_EQ(board.FigureAt(1, 7)->type, kKnight);
    EXPECT_EQ(services.currentMove, kWhite);
    board.StepForward();
    EXPECT_EQ(board.moveCount, 4);
    EXPECT_EQ(board.FigureAt(2, 5)->type, kKnight);
}

TEST_F(History, GameOverIsSuspendedWhileBrowsingBack) {
    NewGame();
    PlayAndSwitch(5, 1, 5, 2);
    PlayAndSwitch(4, 6, 4, 4);
    PlayAndSwitch(6, 1, 6, 3);
    PlayAndSwitch(3, 7, 7, 3);
    board.gameOver = 1;

    board.StepBack();
    EXPECT_EQ(board.gameOver, 0);
    board.StepBack();
    EXPECT_EQ(board.gameOver, 0);
    board.StepForward();
    EXPECT_EQ(board.gameOver, 0);
    board.StepForward();
    EXPECT_EQ(board.gameOver, 1) << "kept through two steps back";
    EXPECT_EQ(board.suspendedGameOver, 0);

    board.StepBack();
    PlayAndSwitch(1, 7, 2, 5); // a different continuation: the old end is gone
    board.StepBack();
    board.StepForward();
    EXPECT_EQ(board.gameOver, 0);

    board.gameOver = 1;
    board.GoToStart();
    EXPECT_EQ(board.gameOver, 0);
    board.GoToEnd();
    EXPECT_EQ(board.gameOver, 1);
}

TEST_F(History, GoToStartAndEnd) {
    NewGame();
    PlayAndSwitch(4, 1, 4, 3);
    PlayAndSwitch(4, 6, 4, 4);
    PlayAndSwitch(6, 0, 5, 2);
    moves.firstShown = 2;
    board.GoToStart();
    EXPECT_EQ(board.historyIndex, 0);
    EXPECT_EQ(board.moveCount, 0);
    EXPECT_EQ(moves.firstShown, 0);
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_EQ(board.FigureAt(4, 1)->type, kPawn);

    moves.firstShown = 2;
    board.GoToEnd();
    EXPECT_EQ(board.historyIndex, 3);
    EXPECT_EQ(board.moveCount, 3);
    EXPECT_EQ(moves.firstShown, 0);
    EXPECT_EQ(services.currentMove, kBlack) << "odd number of moves: black to move";
    EXPECT_EQ(board.FigureAt(5, 2)->type, kKnight);

    board.thinking = 1;
    board.GoToStart();
    EXPECT_EQ(board.historyIndex, 3);
}

TEST_F(History, GoToStartWhenTheComputerOpened) {
    services.playerMode = 0;
    services.playerColor = kBlack;
    services.currentMove = kBlack;
    board.ClearHistory();
    board.SetupFigures();
    Play(4, 1, 4, 3); // the computer's first move lands in record 0
    board.PushHistory();
    PlayPair({4, 6, 4, 4}, {6, 0, 5, 2});
    board.GoToStart();
    EXPECT_EQ(services.currentMove, kBlack);
    EXPECT_EQ(board.moveCount, 1);
    EXPECT_EQ(board.FigureAt(4, 3)->type, kPawn);
}

// A set-up position may give Black the first move: with no move made yet,
// the start is Black's turn, not White's as a count of moves would say.
TEST_F(History, ASetUpGameThatBlackBeginsKeepsBlackToMove) {
    services.playerMode = 1;
    const std::vector<sState> kings = {{kKing, kWhite, 4, 0}, {kKing, kBlack, 4, 7}};
    board.SetUpGame(kings, sRuleState{}, kBlack);
    ASSERT_EQ(board.history.Count(), 1);
    EXPECT_EQ(board.figures.Count(), 2);
    board.GoToStart();
    EXPECT_EQ(services.currentMove, kBlack);
    board.GoToEnd();
    EXPECT_EQ(services.currentMove, kBlack);

    // Against the computer, which then opens: its move will share record 0.
    services.playerMode = 0;
    services.playerColor = kWhite;
    board.SetUpGame(kings, sRuleState{}, kBlack);
    EXPECT_TRUE(board.ComputerOpens());
    EXPECT_TRUE(board.history.Empty());
    board.ResetGame();
    EXPECT_FALSE(board.ComputerOpens());
    EXPECT_EQ(board.history.Count(), 1);
}

TEST_F(History, NetworkGamesKeepNoHistory) {
    services.networkGame = 1;
    NewGame();
    Play(4, 1, 4, 3);
    board.PushHistory();
    EXPECT_TRUE(board.history.Empty());
    EXPECT_EQ(board.historyIndex, -1);
    EXPECT_EQ(moves.entries.Count(), 1);
}

TEST_F(History, ReplayShowsEveryRecordWithAPause) {
    NewGame();
    PlayAndSwitch(4, 1, 4, 3);
    PlayAndSwitch(3, 6, 3, 4);
    PlayAndSwitch(4, 3, 3, 4);
    board.StepBack();
    board.StepBack();
    board.ReplayGame();
    EXPECT_EQ(services.pauses, (std::vector<int>{300, 300, 300, 300}));
    EXPECT_EQ(services.frames, 4);
    EXPECT_EQ(services.cursor, (std::vector<bool>{false, true}));
    EXPECT_TRUE(services.animations.empty());
    EXPECT_EQ(board.historyIndex, 3);
    EXPECT_EQ(board.moveCount, 3);
    EXPECT_EQ(services.currentMove, kBlack);
    EXPECT_EQ(board.capturedBlack.Count(), 1);
}

TEST_F(History, ReplayAnimatesTheMovesOnThePositionShown) {
    services.animation = 1;
    NewGame();
    PlayAndSwitch(4, 1, 4, 3);
    PlayAndSwitch(3, 6, 3, 4);
    PlayAndSwitch(4, 3, 3, 4);
    board.ReplayGame();
    ASSERT_EQ(services.animations.size(), 3u);
    const auto& capture = services.animations[2];
    EXPECT_EQ(capture.from, (sSquare{4, 3}));
    ASSERT_NE(capture.captured, nullptr);
    EXPECT_EQ(capture.toX, 3);
    EXPECT_EQ(capture.toY, 4);
    EXPECT_EQ(services.animations[0].captured, nullptr);
}

TEST_F(History, ReplayAgainstTheComputerPlaysThePlayersMove) {
    services.playerMode = 0;
    services.animation = 1;
    NewGame();
    PlayPair({4, 1, 4, 3}, {3, 6, 3, 4});
    PlayPair({4, 3, 3, 4}, {3, 7, 3, 4});
    board.ReplayGame();
    // Per record after the first: the player's move, then the reply.
    ASSERT_EQ(services.animations.size(), 4u);
    EXPECT_EQ(services.animations[0].from, (sSquare{4, 1}));
    EXPECT_EQ(services.animations[1].from, (sSquare{3, 6}));
    EXPECT_EQ(services.animations[1].captured, nullptr);
    EXPECT_EQ(services.animations[2].from, (sSquare{4, 3}));
    EXPECT_NE(services.animations[2].captured, nullptr);
    EXPECT_EQ(services.animations[3].from, (sSquare{3, 7}));
    EXPECT_EQ(board.moveCount, 4);
    EXPECT_EQ(board.FigureAt(3, 4)->type, kQueen);
}

} // namespace
