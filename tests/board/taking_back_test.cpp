#include "flow_fixture.h"

// Undo and Redo across the end of a game: the side to move is the one whose
// move comes next in the move list, and that side can move.
namespace {

using sMoves = std::vector<std::pair<const char*, const char*>>;

class TakingBack : public CScriptedFlowTest {
protected:
    void Play(const sMoves& moves) {
        for (auto [from, to] : moves) Move(from, to);
    }
    // The colours of the figures that made the moves of the list, replayed
    // from record 0 (a game that starts from the initial position).
    std::vector<int> MoverColours() const {
        std::vector<int> colours;
        CMoveTable table;
        CFakeServices quiet;
        CBoard replay{quiet, table};
        replay.SetupFigures();
        for (const sMove* m : moves.entries) {
            CFigure* f = replay.FigureAt(m->fromX, m->fromY);
            colours.push_back(f ? f->color : -1);
            if (!f) continue;
            replay.CaptureFigure(replay.FigureAt(m->toX, m->toY));
            f->x = m->toX, f->y = m->toY;
        }
        return colours;
    }
};

TEST_F(TakingBack, TwoPlayersMateTakenBackGivesTheMateBack) {
    NewGame(1, kWhite);
    Play({{"F2", "F3"}, {"E7", "E5"}, {"G2", "G4"}, {"D8", "H4"}});
    ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
    EXPECT_EQ(services.currentMove, kWhite) << "the mated side has the move";
    EXPECT_EQ(services.faces.back(), kWhite);

    board.StepBack();
    EXPECT_EQ(board.gameOver, 0);
    EXPECT_EQ(board.moveCount, 3);
    EXPECT_EQ(services.currentMove, kBlack);
    EXPECT_EQ(services.faces.back(), kBlack);
    EXPECT_EQ(services.gameStarted, 1) << "the game runs again";

    board.StepForward();
    EXPECT_EQ(board.gameOver, 1);
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_EQ(services.faces.back(), kWhite);
    EXPECT_EQ(services.gameStarted, 0);

    board.StepBack();
    Move("D8", "G5");
    Move("A2", "A3");
    EXPECT_EQ(MoveTexts(),
              (std::vector<std::string>{"F2 - F3", "E7 - E5", "G2 - G4", "D8 - G5", "A2 - A3"}));
    EXPECT_EQ(MoverColours(), (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_EQ(services.currentMove, kBlack);
}

TEST_F(TakingBack, EveryStepBetweenTwoPlayersFacesTheSideToMove) {
    NewGame(1, kWhite);
    Play({{"E2", "E4"}, {"E7", "E5"}, {"G1", "F3"}});
    board.StepBack();
    board.StepBack();
    EXPECT_EQ(services.currentMove, kBlack);
    EXPECT_EQ(services.faces.back(), kBlack);
    board.GoToStart();
    EXPECT_EQ(services.faces.back(), kWhite);
    board.GoToEnd();
    EXPECT_EQ(services.currentMove, kBlack);
    EXPECT_EQ(services.faces.back(), kBlack);

    // A game set up with Black to move keeps its order when browsed.
    Position({{kKing, kWhite, 4, 0}, {kKing, kBlack, 4, 7}, {kPawn, kBlack, 0, 6}}, kBlack);
    Move("A7", "A6");
    Move("E1", "E2");
    board.GoToStart();
    EXPECT_EQ(services.currentMove, kBlack);
    board.StepForward();
    EXPECT_EQ(services.currentMove, kWhite);
}

TEST_F(TakingBack, TheEnginesMateTakenBack) {
    NewGame(0, kWhite);
    Reply("E7", "E5");
    Reply("D8", "H4");
    Play({{"F2", "F3"}, {"G2", "G4"}});
    ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
    board.StepBack();
    EXPECT_EQ(board.moveCount, 2);
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_EQ(services.gameStarted, 1);
    Reply("B8", "C6");
    Move("G2", "G3");
    EXPECT_EQ(MoverColours(), (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(board.gameOver, 0);
}

TEST_F(TakingBack, ThePlayersMateTakenBack) {
    NewGame(0, kWhite);
    Reply("E7", "E5");
    Reply("B8", "C6");
    Reply("G8", "F6");
    Play({{"E2", "E4"}, {"F1", "C4"}, {"D1", "H5"}, {"H5", "F7"}});
    ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
    ASSERT_EQ(moves.entries.Count(), 7);

    board.StepBack();
    EXPECT_EQ(board.moveCount, 6) << "the mating move alone is taken back";
    EXPECT_EQ(TypeAt("F6"), kKnight);
    board.StepForward();
    EXPECT_EQ(board.moveCount, 7);
    EXPECT_EQ(board.gameOver, 1);
    board.StepBack();
    board.StepBack();
    EXPECT_EQ(board.moveCount, 4);
    board.StepForward();
    EXPECT_EQ(board.moveCount, 6);

    Reply("D8", "E7");
    Move("H5", "E5");
    EXPECT_EQ(MoverColours(), (std::vector<int>{0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(MoveTexts()[5], "G8 - F6");
}

TEST_F(TakingBack, PlayingBlackEitherMateTakenBack) {
    // The engine opens, so record 0 holds its first move; after Undo the
    // player, whom the clicks used to wait for Start Game, moves again.
    struct sGame {
        const char* what;
        sMoves engine; // the opening, then the replies
        sMoves player;
        std::pair<const char*, const char*> instead;
        std::vector<std::string> list; // after `instead` and the reply A2 - A3
    };
    const sGame games[] = {
        {"the engine mates",
         {{"E2", "E4"}, {"D2", "D4"}, {"D1", "H5"}},
         {{"F7", "F6"}, {"G7", "G5"}},
         {"G7", "G6"},
         {"E2 - E4", "F7 - F6", "D2 - D4", "G7 - G6", "A2 - A3"}},
        {"the player mates",
         {{"F2", "F3"}, {"G2", "G4"}},
         {{"E7", "E5"}, {"D8", "H4"}},
         {"D8", "G5"},
         {"F2 - F3", "E7 - E5", "G2 - G4", "D8 - G5", "A2 - A3"}},
    };
    for (const sGame& game : games) {
        SCOPED_TRACE(game.what);
        boxes.clear();
        NewGame(0, kBlack);
        for (auto [from, to] : game.engine) Reply(from, to);
        board.ComputerMove();
        Play(game.player);
        ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
        board.StepBack();
        EXPECT_EQ(board.moveCount, 3);
        EXPECT_EQ(services.currentMove, kBlack);
        EXPECT_EQ(services.gameStarted, 1);
        Reply("A2", "A3");
        Move(game.instead.first, game.instead.second);
        EXPECT_EQ(MoveTexts(), game.list);
    }
}

TEST_F(TakingBack, ANetworkGameKeepsNothingToTakeBack) {
    services.networkGame = 1;
    NewGame(1, kWhite);
    Move("F2", "F3");
    board.ApplyRemoteMove(4, 6, 4, 4);
    Move("G2", "G4");
    board.ApplyRemoteMove(3, 7, 7, 3);
    ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
    const std::string over = Snapshot();
    board.StepBack();
    board.StepForward();
    EXPECT_EQ(Snapshot(), over);
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_TRUE(services.faces.empty()) << "the local side never turns";
}

} // namespace
