#include "scene_fixture.h"

#include "platform/message_box.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kQuestion = "Continue the unfinished game?";

// Boxes are recorded; Yes/No questions get `answer`.
class UnfinishedGameTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string&, int buttons) {
                boxes.push_back(text);
                if (buttons != platform::kYesNo) return int(platform::kIdOk);
                return int(answer ? platform::kIdYes : platform::kIdNo);
            });
    }

    // Two players, 1. e4 e5 2. Nf3: White's knight out, Black to move.
    CScene& StartTwoPlayerGame() {
        CScene& s = StartScene();
        s.settings.playerMode = 1;
        MoveFigure(s, 4, 1, 4, 3);
        MoveFigure(s, 4, 6, 4, 4);
        MoveFigure(s, 6, 0, 5, 2);
        EXPECT_EQ(s.moveTable.entries.Count(), 3);
        return s;
    }

    // A network game in which this side plays Black: 1. e4 e5 2. Nf3 with
    // the peer's moves, Black to move.
    CScene& StartNetworkGameAsBlack() {
        CScene& s = StartScene();
        s.settings.playerMode = 1;
        s.settings.playerColor = 1;
        s.settings.currentMove = 1;
        s.FaceBlack();
        s.networkGame = 1;
        s.OnPeerMove(4, 1, 4, 3, s.board.rights);
        MoveFigure(s, 4, 6, 4, 4);
        EXPECT_EQ(host.sentMoves.size(), 1u);
        s.OnPeerMove(6, 0, 5, 2, s.board.rights);
        EXPECT_EQ(s.moveTable.entries.Count(), 3);
        EXPECT_EQ(s.board.history.Count(), 1); // a network game records none
        return s;
    }

    // Closes the window as the close box does, then destroys the controller.
    void CloseWindow() {
        ASSERT_TRUE(scene->RequestClose());
        StopScene();
    }

    bool KeptFileExists() const { return fs::exists(workDir / CScene::kKeptGameFileName); }

    bool answer = true;
};

} // namespace

TEST_F(UnfinishedGameTest, AGameUnderWayIsKeptAtCloseAndOfferedOnceAtTheNextStart) {
    StartTwoPlayerGame();
    CloseWindow();
    ASSERT_TRUE(KeptFileExists());
    const std::string kept = ReadFile(CScene::kKeptGameFileName);
    EXPECT_NE(kept.find("[Board]"), std::string::npos);
    // A game file like any other, without the program's own start-up key.
    EXPECT_NE(kept.find("Matrix="), std::string::npos);
    EXPECT_EQ(kept.find("Restore Unfinished Game"), std::string::npos);
    boxes.clear();

    CScene& s = StartScene();
    EXPECT_EQ(s.moveTable.entries.Count(), 0); // nothing happens before the offer
    s.OfferUnfinishedGame();
    EXPECT_EQ(boxes, std::vector<std::string>{kQuestion});
    EXPECT_EQ(s.moveTable.entries.Count(), 3);
    EXPECT_EQ(s.board.moveCount, 3);
    ASSERT_NE(s.board.FigureAt(5, 2), nullptr);
    EXPECT_EQ(s.board.FigureAt(5, 2)->type, 2);
    EXPECT_EQ(s.settings.currentMove, 1);
    EXPECT_EQ(s.gameStarted, 1);
    // It goes on as it was: Black answers, and Undo takes that back.
    MoveFigure(s, 1, 7, 2, 5);
    EXPECT_EQ(s.moveTable.entries.Count(), 4);
    s.Undo();
    EXPECT_EQ(s.board.moveCount, 3);
    EXPECT_NE(s.board.FigureAt(1, 7), nullptr);
    // It is nobody's file to save to, and it is not offered again.
    EXPECT_TRUE(s.gamePath.empty());
    EXPECT_EQ(host.title, "Tavlion");
    EXPECT_FALSE(KeptFileExists());
    s.OfferUnfinishedGame();
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(UnfinishedGameTest, DecliningStartsAfreshAndForgetsTheGame) {
    StartTwoPlayerGame();
    CloseWindow();
    answer = false;
    CScene& s = StartScene();
    s.OfferUnfinishedGame();
    EXPECT_EQ(boxes.back(), kQuestion);
    EXPECT_EQ(s.moveTable.entries.Count(), 0);
    EXPECT_EQ(s.board.figures.Count(), 32);
    EXPECT_FALSE(KeptFileExists());
}

TEST_F(UnfinishedGameTest, TheSettingRestoresWithoutAsking) {
    StartTwoPlayerGame();
    scene->settings.restoreUnfinished = 1;
    CloseWindow();
    boxes.clear();
    answer = false; // not asked
    CScene& s = StartScene();
    s.OfferUnfinishedGame();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(s.moveTable.entries.Count(), 3);
    EXPECT_FALSE(KeptFileExists());
}

TEST_F(UnfinishedGameTest, OnlyAGameUnderWayIsKept) {
    // No move yet.
    StartScene().settings.playerMode = 1;
    CloseWindow();
    EXPECT_FALSE(KeptFileExists());

    // Over (the shortest mate between two players), and over but browsed back.
    for (const bool browsedBack : {false, true}) {
        CScene& s = StartScene();
        s.settings.playerMode = 1;
        MoveFigure(s, 5, 1, 5, 2);
        MoveFigure(s, 4, 6, 4, 4);
        MoveFigure(s, 6, 1, 6, 3);
        MoveFigure(s, 3, 7, 7, 3);
        ASSERT_EQ(s.board.gameOver, 1);
        if (browsedBack) {
            s.Undo();
            ASSERT_EQ(s.board.gameOver, 0);
        }
        CloseWindow();
        EXPECT_FALSE(KeptFileExists()) << browsedBack;
    }
}

TEST_F(UnfinishedGameTest, ANetworkGameIsKeptAsOneBetweenTwoPlayers) {
    StartNetworkGameAsBlack();
    CloseWindow();
    ASSERT_TRUE(KeptFileExists());

    CScene& next = StartScene();
    next.OfferUnfinishedGame();
    EXPECT_EQ(next.networkGame, 0);
    EXPECT_EQ(next.settings.playerMode, 1);
    EXPECT_EQ(next.settings.currentMove, 1); // Black to move, here
    EXPECT_EQ(next.board.moveCount, 3);
    // The history starts from the kept position: Black's move and its undo.
    MoveFigure(next, 1, 7, 2, 5);
    ASSERT_EQ(next.moveTable.entries.Count(), 4);
    EXPECT_EQ(next.settings.currentMove, 0);
    next.Undo();
    EXPECT_EQ(next.board.moveCount, 3);
    EXPECT_NE(next.board.FigureAt(5, 2), nullptr); // White's knight stays out
    EXPECT_NE(next.board.FigureAt(1, 7), nullptr);
    EXPECT_FALSE(next.CanUndo());
}

// After the connection is gone the game stays at this machine: a move and
// its undo come back to the position the peer left, with the list to match.
TEST_F(UnfinishedGameTest, ANetworkGameGoesOnAtThisMachineFromWhereThePeerLeftIt) {
    CScene& s = StartNetworkGameAsBlack();
    s.NetHost().OnConnectionClosed();
    ASSERT_EQ(s.networkGame, 0);
    s.settings.currentMove = 1;
    MoveFigure(s, 1, 7, 2, 5);
    ASSERT_EQ(s.moveTable.entries.Count(), 4);
    ASSERT_TRUE(s.CanUndo());
    s.Undo();
    EXPECT_EQ(s.board.moveCount, 3);
    EXPECT_NE(s.board.FigureAt(5, 2), nullptr); // White's knight stays out
    EXPECT_NE(s.board.FigureAt(4, 4), nullptr);
    EXPECT_NE(s.board.FigureAt(1, 7), nullptr);
    EXPECT_FALSE(s.CanUndo());
}

// Saved while it waits for Reconnect, the game opens as one between two
// players at the position reached, not at the start.
TEST_F(UnfinishedGameTest, ANetworkGameSavedAfterTheLinkWasLostOpensWhereItStood) {
    CScene& s = StartNetworkGameAsBlack();
    s.NetHost().OnConnectionLost();
    ASSERT_EQ(s.connectionLost, 1);
    ASSERT_EQ(s.SaveGame((workDir / "net.chs").string()), 1);
    EXPECT_EQ(s.connectionLost, 1) << "the game on the board waits as before";
    StopScene();

    CScene& next = StartScene();
    ASSERT_EQ(next.OpenGame((workDir / "net.chs").string()), 1);
    EXPECT_EQ(next.settings.playerMode, 1);
    EXPECT_EQ(next.settings.currentMove, 1);
    EXPECT_EQ(next.board.moveCount, 3);
    EXPECT_NE(next.board.FigureAt(5, 2), nullptr);
    MoveFigure(next, 1, 7, 2, 5);
    next.Undo();
    EXPECT_EQ(next.board.moveCount, 3);
    EXPECT_NE(next.board.FigureAt(5, 2), nullptr);
    EXPECT_NE(next.board.FigureAt(1, 7), nullptr);
}

TEST_F(UnfinishedGameTest, AGameKeptAtTheEnginesTurnGoesOnWithItsAnswer) {
    CScene& s = StartScene();
    ASSERT_TRUE(s.IsEngineReady());
    MoveFigure(s, 4, 1, 4, 3); // one player as White; the engine answers
    ASSERT_EQ(s.board.moveCount, 2);
    // White's knight is out and the engine's answer is not: as when the
    // program ended while the engine thought.
    CFigure* knight = s.board.FigureAt(6, 0);
    ASSERT_NE(knight, nullptr);
    s.board.lastMove = {6, 0, 5, 2};
    knight->x = 5;
    knight->y = 2;
    s.board.AddMove();
    CloseWindow();

    CScene& next = StartScene();
    next.OfferUnfinishedGame();
    EXPECT_FALSE(next.IsThinking());
    EXPECT_EQ(next.moveTable.entries.Count(), 4);
    ASSERT_EQ(next.board.moveCount, 4);
    // One record per pair, as always against the engine: Undo takes back
    // White's move and the answer.
    EXPECT_EQ(next.board.history.Count(), 3);
    next.Undo();
    EXPECT_EQ(next.board.moveCount, 2);
    EXPECT_NE(next.board.FigureAt(6, 0), nullptr);
}

TEST_F(UnfinishedGameTest, AnUnreadableKeptGameIsReportedAndPutAside) {
    WriteFile(CScene::kKeptGameFileName, "[Board]\nFigures=7 1 0\n");
    CScene& s = StartScene();
    s.OfferUnfinishedGame();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], kQuestion);
    EXPECT_NE(boxes[1].find("damaged"), std::string::npos);
    EXPECT_EQ(s.board.figures.Count(), 32);
    EXPECT_FALSE(KeptFileExists());
    EXPECT_TRUE(fs::exists(workDir / (std::string(CScene::kKeptGameFileName) + ".unreadable")));
    s.OfferUnfinishedGame();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(UnfinishedGameTest, AGameThatCannotBeKeptIsReported) {
    fs::create_directory(workDir / CScene::kKeptGameFileName); // in the way
    StartTwoPlayerGame();
    boxes.clear();
    CloseWindow();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(CScene::kKeptGameFileName), std::string::npos);
}

// A game set up with Black to move, which the engine opened: at the next
// start it is the player's turn, not a second answer of the engine.
TEST_F(UnfinishedGameTest, AKeptSetUpGameThatTheEngineOpenedWaitsForThePlayer) {
    CScene& s = StartScene();
    ASSERT_TRUE(s.IsEngineReady());
    ASSERT_TRUE(s.SetUpPosition("4k3/8/8/8/8/8/3PPP2/4K3 b - - 0 1"));
    ASSERT_EQ(s.moveTable.entries.Count(), 1);
    CloseWindow();
    ASSERT_TRUE(KeptFileExists());

    CScene& next = StartScene();
    next.OfferUnfinishedGame();
    EXPECT_FALSE(next.IsThinking());
    EXPECT_EQ(next.board.startSide, kBlack);
    EXPECT_EQ(next.moveTable.entries.Count(), 1);
    EXPECT_EQ(next.settings.currentMove, kWhite);
}
