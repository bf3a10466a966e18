// A UCI program as the computer's side through the controller: the same
// flows as with the built-in engine, a failing program, the Hint, and the
// choice kept in the settings file only.
#include "scene_fixture.h"

#include "engines/figure_set.h"
#include "fake_engines.h"
#include "platform/message_pump.h"

#include <cstring>

namespace {

// Opens with e2-e4 as White, answers e7-e5 as Black.
constexpr const char* kOpeningFake =
    "case \"$pos\" in *' w '*) echo 'bestmove e2e4';; *) echo 'bestmove e7e5';; esac";

std::vector<sState> Figures(CScene& s) {
    return engines::StatesOf(*s.board.FigureListView());
}

class OutsideEngineTest : public SceneTest {
protected:
    CScene& StartWith(const std::string& onGo) {
        CScene& s = StartScene();
        engines::OutsideEngineSettings chosen = s.OutsideEngine();
        chosen.kind = engines::kUciEngine;
        chosen.path = fakes.Make("fake", onGo);
        for (engines::LevelPlay& l : chosen.levels) l.moveTimeMs = 50;
        s.SetOutsideEngine(chosen);
        return s;
    }
    FakeEngines fakes;
};

TEST_F(OutsideEngineTest, OpensAsWhiteAndAnswersAsBlackThroughTheSameFlow) {
    CScene& s = StartWith(kOpeningFake);
    s.ChooseBlack();
    ASSERT_TRUE(s.CanStartGame());
    s.StartGame();
    ASSERT_TRUE(boxes.empty()) << boxes[0];
    ASSERT_NE(s.board.FigureAt(4, 3), nullptr);
    EXPECT_EQ(s.board.lastMove, (sLastMove{4, 1, 4, 3}));
    EXPECT_EQ(s.gameStarted, 1);

    // A colour is chosen with no game under way; the history starts afresh.
    s.NewGame();
    s.ChooseWhite();
    s.NewGame();
    MoveFigure(s, 4, 1, 4, 3);
    ASSERT_TRUE(boxes.empty()) << boxes[0];
    ASSERT_NE(s.board.FigureAt(4, 4), nullptr);
    EXPECT_EQ(s.board.FigureAt(4, 4)->color, 1);
    EXPECT_EQ(s.board.lastMove, (sLastMove{4, 6, 4, 4}));
    // Undo takes back the pair, as with the built-in engine.
    ASSERT_TRUE(s.CanUndo());
    s.Undo();
    EXPECT_NE(s.board.FigureAt(4, 1), nullptr);
    EXPECT_NE(s.board.FigureAt(4, 6), nullptr);
}

TEST_F(OutsideEngineTest, AFailingProgramIsReportedAndTheBuiltInEngineReplies) {
    CScene& s = StartWith("exit 1");
    const std::vector<sState> before = Figures(s);
    MoveFigure(s, 4, 1, 4, 3);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "The chess engine \"fake\" stopped while thinking. The built-in engine "
                        "makes this move.");
    // White's move and a reply of Black.
    EXPECT_EQ(s.board.lastMove.fromY >= 6, true);
    EXPECT_NE(Figures(s), before);
    EXPECT_EQ(s.board.thinking, 0);
}

TEST_F(OutsideEngineTest, HintOutlinesAMoveAndChangesNothing) {
    CScene& s = StartWith(kOpeningFake);
    ASSERT_TRUE(s.CanHint());
    const std::vector<sState> figures = Figures(s);
    const sRuleState rights = s.board.rights;
    s.Hint();
    EXPECT_EQ(s.board.hint, (sLastMove{4, 1, 4, 3}));
    EXPECT_EQ(Figures(s), figures);
    EXPECT_EQ(std::memcmp(&s.board.rights, &rights, sizeof rights), 0);
    EXPECT_EQ(s.board.lastMove, sLastMove{});
    EXPECT_EQ(s.gameStarted, 0);
    // The next click clears it.
    ClickSquare(s, 0, 4);
    EXPECT_EQ(s.board.hint, sLastMove{});

    // The built-in engine hints for the side to move in a two-player game.
    s.SetOutsideEngine({});
    s.settings.playerMode = 1;
    MoveFigure(s, 4, 1, 4, 3);
    ASSERT_EQ(s.settings.currentMove, 1);
    s.Hint();
    const CFigure* hinted = s.board.FigureAt(s.board.hint.fromX, s.board.hint.fromY);
    ASSERT_NE(hinted, nullptr);
    EXPECT_EQ(hinted->color, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OutsideEngineTest, AHintTakesThePlayersTimeNotTheEngines) {
    CScene& s = StartWith("sleep 0.3; echo 'bestmove e2e4'");
    const platform::MessagePump previous = platform::SetMessagePump([&] {
        now += 1000;
        s.TickClocks();
        return false;
    });
    s.Hint();
    platform::SetMessagePump(previous);
    // The pump may run a minute's worth of ticks: compare whole clocks.
    EXPECT_NE(s.whiteClock.Text(), sClock{}.Text());
    EXPECT_EQ(s.blackClock.Text(), sClock{}.Text());
}

TEST_F(OutsideEngineTest, TheChoiceIsKeptInTheSettingsFileAlone) {
    CScene& s = StartWith(kOpeningFake);
    const std::string path = s.OutsideEngine().path;
    s.SaveGame("game.chs");
    StopScene();
    const std::string settingsText = ReadFile("Tavlion.INI");
    EXPECT_NE(settingsText.find("[Engine]"), std::string::npos);
    EXPECT_NE(settingsText.find("Engine=1"), std::string::npos);
    EXPECT_NE(settingsText.find("Engine Program=" + path), std::string::npos);
    EXPECT_NE(settingsText.find("Engine Time Difficult=50"), std::string::npos);
    EXPECT_EQ(ReadFile("game.chs").find("Engine"), std::string::npos);

    CScene& again = StartScene();
    EXPECT_EQ(again.OutsideEngine().kind, engines::kUciEngine);
    EXPECT_EQ(again.OutsideEngine().path, path);
    EXPECT_EQ(again.OutsideEngine().levels[2].moveTimeMs, 50);
}

} // namespace
