#include "scene_fixture.h"

#include "platform/message_pump.h"

namespace {

std::vector<std::string> sounds;
bool RecordSound(const std::string& path) {
    sounds.push_back(path.substr(path.rfind('/') + 1));
    return true;
}

const CFigure* FigureOn(const CScene& s, int x, int y) {
    return s.board.FigureAt(x, y);
}

} // namespace

class GameTest : public SceneTest {
protected:
    CScene& StartGameScene() {
        CScene& s = StartScene();
        sounds.clear();
        s.playWave = RecordSound;
        return s;
    }
};

TEST_F(GameTest, OnePlayerAsWhiteGetsTheEnginesReply) {
    CScene& s = StartGameScene();
    ASSERT_TRUE(s.IsEngineReady());
    s.NewGame();
    EXPECT_FALSE(s.IsClockRunning());
    MoveFigure(s, 4, 1, 4, 3);

    ASSERT_EQ(s.moveTable.entries.Count(), 2);
    EXPECT_EQ(s.moveTable.entries[0]->text, "E2 - E4");
    const sMove& reply = *s.moveTable.entries[1];
    ASSERT_NE(FigureOn(s, reply.toX, reply.toY), nullptr);
    EXPECT_EQ(FigureOn(s, reply.toX, reply.toY)->color, 1);
    EXPECT_EQ(s.board.history.Count(), 2); // the start and the pair of moves
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_EQ(s.board.thinking, 0);
    EXPECT_EQ(s.stopThinking, 0);
    EXPECT_EQ(s.settings.currentMove, 0);
    EXPECT_TRUE(s.IsClockRunning());
    EXPECT_EQ(sounds, (std::vector<std::string>{"step.wav", "step.wav"}));
    EXPECT_TRUE(s.CanUndo());
    EXPECT_TRUE(boxes.empty());

    s.Undo();
    EXPECT_EQ(FigureOn(s, 4, 1)->type, kPawn);
    EXPECT_EQ(FigureOn(s, 4, 3), nullptr);
}

TEST_F(GameTest, OnePlayerAsBlackWaitsForStartGame) {
    CScene& s = StartGameScene();
    s.ChooseBlack();
    EXPECT_EQ(s.settings.currentMove, 1);
    ClickSquare(s, 4, 6);
    EXPECT_EQ(s.board.selected, 0); // no clicks before Start Game
    ASSERT_TRUE(s.CanStartGame());

    s.StartGame();
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_FALSE(s.CanStartGame());
    ASSERT_EQ(s.moveTable.entries.Count(), 1);
    const sMove& opening = *s.moveTable.entries[0];
    EXPECT_EQ(FigureOn(s, opening.toX, opening.toY)->color, 0);
    EXPECT_TRUE(s.IsClockRunning());

    MoveFigure(s, 4, 6, 4, 4);
    EXPECT_EQ(s.moveTable.entries.Count(), 3);
    EXPECT_EQ(s.settings.currentMove, 1);
}

TEST_F(GameTest, StopThinkingMakesTheEngineAnswerAtOnce) {
    CScene& s = StartGameScene();
    s.SetGameLevel(2);
    s.ChooseBlack();
    int pumped = 0;
    auto previous = platform::SetMessagePump([&] {
        if (++pumped == 2) s.StopThinking();
        return true;
    });
    s.StartGame();
    platform::SetMessagePump(previous);
    EXPECT_GE(pumped, 2);
    EXPECT_EQ(s.stopThinking, 0);
    EXPECT_EQ(s.board.thinking, 0);
    EXPECT_EQ(s.moveTable.entries.Count(), 1); // the move found so far is played
}

TEST_F(GameTest, ASavedGameOpensWithItsModeLevelPositionHistoryAndMoves) {
    CScene& s = StartGameScene();
    s.SetGameLevel(1);
    s.NewGame();
    MoveFigure(s, 4, 1, 4, 3);
    MoveFigure(s, 3, 1, 3, 3);
    ASSERT_EQ(s.moveTable.entries.Count(), 4);
    const std::string path = (workDir / "game.chs").string();
    ASSERT_EQ(s.SaveGame(path), 1);
    std::vector<std::string> moves;
    for (const sMove* m : s.moveTable.entries) moves.push_back(m->text);
    const int historyCount = s.board.history.Count();

    s.SetGameLevel(0);
    s.SetPlayerMode(1);
    s.NewGame();
    ASSERT_EQ(s.OpenGame(path), 1);
    EXPECT_EQ(s.settings.gameLevel, 1);
    EXPECT_EQ(s.settings.playerMode, 0);
    EXPECT_EQ(FigureOn(s, 4, 3)->type, kPawn);
    EXPECT_EQ(FigureOn(s, 3, 3)->type, kPawn);
    EXPECT_EQ(s.board.history.Count(), historyCount);
    EXPECT_EQ(s.board.historyIndex, historyCount - 1);
    std::vector<std::string> reopened;
    for (const sMove* m : s.moveTable.entries) reopened.push_back(m->text);
    EXPECT_EQ(reopened, moves);
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_EQ(host.title, "Tavlion - " + path);

    s.Undo(); // the history came along
    EXPECT_EQ(FigureOn(s, 3, 3), nullptr);
    EXPECT_EQ(FigureOn(s, 3, 1)->type, kPawn);
}

TEST_F(GameTest, PeerMovesAreAppliedToTheBoard) {
    CScene& s = StartGameScene();
    s.SetPlayerMode(1);
    s.networkGame = 1;
    s.NewGame();
    MoveFigure(s, 4, 1, 4, 3);
    ASSERT_EQ(host.sentMoves.size(), 1u);
    EXPECT_EQ(host.sentMoves[0], (std::vector<int>{4, 1, 4, 3}));
    EXPECT_EQ(s.waitingForPeer, 1);
    ClickSquare(s, 3, 1);
    EXPECT_EQ(s.board.selected, 0); // waiting for the peer

    s.OnPeerMove(4, 6, 4, 4, s.board.rights);
    EXPECT_EQ(s.waitingForPeer, 0);
    EXPECT_EQ(FigureOn(s, 4, 4)->color, 1);
    EXPECT_EQ(FigureOn(s, 4, 6), nullptr);
    ASSERT_EQ(s.moveTable.entries.Count(), 2);
    EXPECT_EQ(s.moveTable.entries[1]->text, "E7 - E5");
    EXPECT_EQ(s.settings.currentMove, 0);

    s.OnPeerNewGame();
    EXPECT_EQ(s.moveTable.entries.Count(), 0);
    EXPECT_EQ(FigureOn(s, 4, 6)->color, 1);
}

TEST_F(GameTest, CommandsDuringTheEnginesCallLeaveItsRecordsAlone) {
    CScene& s = StartGameScene();
    s.ChooseBlack();
    s.SetGameLevel(2); // a search long enough for the pump to run during it
    const std::string path = (workDir / "during.chs").string();
    int pumped = 0;
    bool refused = true;
    auto previous = platform::SetMessagePump([&] {
        if (++pumped == 1) {
            refused = s.IsThinking() && !s.CanReplaceGame() && !s.RequestClose();
            s.NewGame();
            s.OnPeerNewGame();
            refused = refused && s.OpenGame(path) == 0 && s.SaveGame(path) == 0;
            refused = refused && s.board.figures.Count() == 32;
        }
        return pumped < 50;
    });
    s.StartGame();
    platform::SetMessagePump(previous);
    EXPECT_TRUE(refused);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(s.moveTable.entries.Count(), 1); // the engine's move was played
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_EQ(boxes,
              std::vector<std::string>{"Please wait the finish of the thinking or stop it!"});
}

TEST_F(GameTest, MateStopsTheClocksUntilTheNextGamesFirstMove) {
    CScene& s = StartGameScene();
    s.SetPlayerMode(1);
    s.NewGame();
    MoveFigure(s, 5, 1, 5, 2); // F2 - F3
    EXPECT_EQ(s.settings.currentMove, 1);
    now += 1000;
    s.TickClocks();
    MoveFigure(s, 4, 6, 4, 4); // E7 - E5
    MoveFigure(s, 6, 1, 6, 3); // G2 - G4
    MoveFigure(s, 3, 7, 7, 3); // D8 - H4 mate
    EXPECT_EQ(boxes, std::vector<std::string>{"Mate!"});
    EXPECT_EQ(sounds.back(), "mat.wav");
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_FALSE(s.IsClockRunning());
    EXPECT_FALSE(s.PrepareClockOverlay());
    EXPECT_EQ(s.ClockText(1), "Black 00:00:01");

    s.NewGame();
    EXPECT_EQ(s.ClockText(1), "Black 00:00:00");
    EXPECT_FALSE(s.IsClockRunning());
    MoveFigure(s, 4, 1, 4, 3);
    EXPECT_TRUE(s.IsClockRunning());
}
