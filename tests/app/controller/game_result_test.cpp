#include "scene_fixture.h"

#include "platform/message_box.h"

#include <array>
#include <deque>
#include <fstream>

// Draw claims, resignation, draw offers, time controls and the result kept
// with the game, through the controller as the commands reach it.
namespace {

struct RecordingHost : FakeHost {
    void SendResignToPeer() override { ++resigns; }
    void SendDrawToPeer(const std::string& word) override { draws.push_back(word); }
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    int resigns = 0;
    std::vector<std::string> draws;
    std::vector<bool> busyCalls;
};

class GameResultTest : public SceneTest {
protected:
    CScene& StartTwoPlayers() {
        scene = std::make_unique<CScene>(recorder);
        EXPECT_EQ(scene->Create(), 1);
        scene->playWave = [](const std::string&) { return true; };
        scene->SetPlayerMode(1);
        scene->NewGame();
        return *scene;
    }

    void Moves(std::initializer_list<std::array<int, 4>> moves) {
        for (auto [fx, fy, tx, ty] : moves) MoveFigure(*scene, fx, fy, tx, ty);
    }
    // Nf3 Nf6 Ng1 Ng8: the position of the start comes back.
    void KnightsOutAndBack() { Moves({{6, 0, 5, 2}, {6, 7, 5, 5}, {5, 2, 6, 0}, {5, 5, 6, 7}}); }

    void RunSeconds(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            now += 1000;
            scene->TickClocks();
        }
    }

    RecordingHost recorder;
};

TEST_F(GameResultTest, ThreefoldRepetitionIsClaimedNotForced) {
    CScene& s = StartTwoPlayers();
    EXPECT_FALSE(s.CanClaimDraw());
    KnightsOutAndBack();
    EXPECT_FALSE(s.CanClaimDraw());
    EXPECT_EQ(s.StatusText(), "");
    KnightsOutAndBack();
    // The third time: the game goes on until the player claims.
    EXPECT_TRUE(s.CanClaimDraw());
    EXPECT_EQ(s.StatusText(), "Draw can be claimed: threefold repetition");
    EXPECT_EQ(s.board.gameOver, 0);
    EXPECT_TRUE(boxes.empty());

    s.ClaimDraw();
    EXPECT_EQ(boxes, std::vector<std::string>{"Draw!"});
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_EQ(s.gameStarted, 0);
    EXPECT_EQ(s.board.result, sGameResult::DrawnBy(EndReason::Repetition));
    EXPECT_EQ(s.StatusText(), "Draw: threefold repetition (1/2-1/2)");
    EXPECT_FALSE(s.CanClaimDraw());
    EXPECT_FALSE(s.CanResign());
    EXPECT_TRUE(recorder.draws.empty()); // not a network game

    // Taking a move back reopens the game; a new move there forgets the result.
    s.Undo();
    EXPECT_EQ(s.board.gameOver, 0);
    EXPECT_FALSE(s.CanClaimDraw());
    Moves({{1, 7, 2, 5}});
    EXPECT_FALSE(s.board.result.IsOver());
    s.NewGame();
    EXPECT_FALSE(s.CanClaimDraw());
}

TEST_F(GameResultTest, ResignAsksOnceAndTheOtherSideWins) {
    CScene& s = StartTwoPlayers();
    EXPECT_FALSE(s.CanResign()); // no move made yet
    Moves({{4, 1, 4, 3}});
    ASSERT_TRUE(s.CanResign());
    answers = {false};
    s.Resign();
    EXPECT_EQ(boxes, std::vector<std::string>{"Do you really want to resign?"});
    EXPECT_EQ(s.board.gameOver, 0);
    answers = {true};
    s.Resign(); // Black is to move, and resigns
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_EQ(s.board.result, sGameResult::WonBy(kWhite, EndReason::Resignation));
    EXPECT_EQ(s.StatusText(), "White wins: Black resigned (1-0)");
    // Its moves alone would leave the game open: the export says how it ended.
    const std::string pgn = s.GameAsPgn();
    EXPECT_NE(pgn.find("[Result \"1-0\"]"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("{White wins: Black resigned (1-0)}"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("1. e4 1-0"), std::string::npos) << pgn;
}

TEST_F(GameResultTest, AFinishedGameKeepsItsResultInTheFileAnUnfinishedOneWritesNoKey) {
    CScene& s = StartTwoPlayers();
    Moves({{4, 1, 4, 3}});
    ASSERT_EQ(s.SaveGame("going.chs"), 1);
    EXPECT_EQ(ReadFile("going.chs").find("Result"), std::string::npos);
    answers = {true};
    s.Resign();
    ASSERT_EQ(s.SaveGame("resigned.chs"), 1);
    const std::string text = ReadFile("resigned.chs");
    EXPECT_NE(text.find("Result=1-0"), std::string::npos) << text;
    EXPECT_NE(text.find("Result Reason=resignation"), std::string::npos) << text;

    s.NewGame();
    ASSERT_EQ(s.OpenGame("resigned.chs"), 1);
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_EQ(s.board.result, sGameResult::WonBy(kWhite, EndReason::Resignation));
    EXPECT_EQ(boxes.size(), 1u); // the question only: opening shows no message
    ASSERT_EQ(s.OpenGame("going.chs"), 1);
    EXPECT_EQ(s.board.gameOver, 0);
    EXPECT_FALSE(s.board.result.IsOver());
}

TEST_F(GameResultTest, ADrawOfferAndItsAnswersInANetworkGame) {
    CScene& s = StartTwoPlayers();
    s.networkGame = 1;
    s.OnPeerMove(4, 1, 4, 3, s.board.rights); // the peer plays White
    s.settings.playerColor = s.settings.currentMove = kBlack;
    ASSERT_EQ(s.gameStarted, 1);
    ASSERT_TRUE(s.CanOfferDraw());
    s.OfferDraw();
    EXPECT_EQ(recorder.draws, std::vector<std::string>{"OFFER"});
    EXPECT_FALSE(s.CanOfferDraw()); // one at a time
    EXPECT_EQ(s.StatusText(), "Draw offered: waiting for your opponent's answer.");
    s.OnPeerDraw("DECLINE");
    EXPECT_EQ(boxes.back(), "Your opponent declines the draw.");
    EXPECT_FALSE(s.CanOfferDraw()); // and one per move
    s.OnPeerDraw("ACCEPT");         // no offer waits: ignored
    EXPECT_EQ(s.board.gameOver, 0);

    Moves({{4, 6, 4, 4}});
    EXPECT_EQ(s.waitingForPeer, 1);
    EXPECT_FALSE(s.CanOfferDraw()); // not our turn
    // The peer offers on its turn; we accept and wait for it to agree.
    answers = {true};
    s.OnPeerDraw("OFFER");
    EXPECT_EQ(boxes.back(), "Your opponent offers a draw. Do you accept?");
    EXPECT_EQ(recorder.draws.back(), "ACCEPT");
    s.OnPeerDraw("AGREED");
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_EQ(s.board.result, sGameResult::DrawnBy(EndReason::Agreement));
    // In a finished game nothing the peer sends counts.
    const size_t sent = recorder.draws.size();
    s.OnPeerDraw("OFFER");
    s.OnPeerResign();
    EXPECT_EQ(recorder.draws.size(), sent);
    EXPECT_EQ(s.board.result, sGameResult::DrawnBy(EndReason::Agreement));
}

TEST_F(GameResultTest, AMoveWithdrawsTheOfferAndOutOfTurnWordsAreIgnored) {
    CScene& s = StartTwoPlayers();
    s.networkGame = 1;
    Moves({{4, 1, 4, 3}}); // we play White
    s.OnPeerMove(4, 6, 4, 4, s.board.rights);
    s.OfferDraw();
    ASSERT_EQ(s.drawOffer, CScene::DrawOffer::Made);
    Moves({{6, 0, 5, 2}});
    EXPECT_EQ(s.drawOffer, CScene::DrawOffer::None);
    s.OnPeerDraw("ACCEPT"); // too late: the offer went with the move
    EXPECT_EQ(s.board.gameOver, 0);
    EXPECT_EQ(recorder.draws, std::vector<std::string>{"OFFER"});

    // Our turn, so the peer may neither offer nor claim now.
    s.OnPeerMove(1, 7, 2, 5, s.board.rights);
    s.OnPeerDraw("OFFER");
    s.OnPeerDraw("CLAIM");
    s.OnPeerDraw("AGREED");
    s.OnPeerDraw("SOMETHING ELSE");
    EXPECT_EQ(s.board.gameOver, 0);
    EXPECT_EQ(recorder.draws.size(), 1u);
    // An accepted offer is void once the offering side moves instead.
    Moves({{5, 2, 6, 0}});
    answers = {true};
    s.OnPeerDraw("OFFER");
    EXPECT_EQ(s.drawOffer, CScene::DrawOffer::Accepted);
    s.OnPeerMove(2, 5, 1, 7, s.board.rights);
    EXPECT_EQ(s.drawOffer, CScene::DrawOffer::None);
    s.OnPeerDraw("AGREED");
    EXPECT_EQ(s.board.gameOver, 0);

    s.OnPeerResign();
    EXPECT_EQ(boxes.back(), "Your opponent resigned.");
    EXPECT_EQ(s.board.result, sGameResult::WonBy(kWhite, EndReason::Resignation));
}

TEST_F(GameResultTest, ClocksCountDownWithIncrementAndAFallenFlagEndsTheGame) {
    CScene& s = StartTwoPlayers();
    ASSERT_TRUE(s.CanChooseTimeControl());
    s.SetTimeControl({1, 2});
    EXPECT_EQ(s.ClockText(0), "White 00:01:00");
    Moves({{4, 1, 4, 3}}); // White's move: +2 s
    EXPECT_EQ(s.ClockText(0), "White 00:01:02");
    EXPECT_FALSE(s.CanChooseTimeControl()); // not during a game
    RunSeconds(5);
    EXPECT_EQ(s.ClockText(1), "Black 00:00:55");
    EXPECT_FALSE(s.ClockIsLow(kBlack));
    RunSeconds(46);
    EXPECT_TRUE(s.ClockIsLow(kBlack)); // 9 seconds left
    s.CheckFlag();
    EXPECT_EQ(s.board.gameOver, 0);
    RunSeconds(9);
    EXPECT_EQ(s.countdown.Fallen(), kBlack);
    s.CheckFlag();
    EXPECT_EQ(boxes, std::vector<std::string>{"Black's time is up."});
    EXPECT_EQ(s.board.result, sGameResult::WonBy(kWhite, EndReason::Time));
    // Moves after the fall give the fallen side nothing back.
    s.countdown.AddIncrement(kBlack);
    EXPECT_EQ(s.countdown.Remaining(kBlack), 0);
}

TEST_F(GameResultTest, AFlagFallsAgainstASideThatCannotMate) {
    CScene& s = StartTwoPlayers();
    s.SetTimeControl({1, 0});
    s.board.ClearFigures();
    s.board.AddFigure(kKing, kWhite, 4, 0);
    s.board.AddFigure(kKnight, kWhite, 1, 0);
    s.board.AddFigure(kKing, kBlack, 4, 7);
    s.board.AddFigure(kQueen, kBlack, 3, 7);
    s.board.ClearHistory();
    s.board.PushHistory();
    s.board.positions.assign(1, s.board.CurrentPositionKey());
    Moves({{1, 0, 2, 2}});
    RunSeconds(60); // Black's flag falls, but White has only a knight
    s.CheckFlag();
    EXPECT_EQ(boxes, std::vector<std::string>{"Black's time is up."});
    EXPECT_EQ(s.board.result, sGameResult::DrawnBy(EndReason::TimeWithoutMatingMaterial));
}

TEST_F(GameResultTest, TheTimeControlIsAProgramSettingAndNotANetworkOne) {
    CScene& s = StartTwoPlayers();
    s.SetTimeControl({3, 2});
    ASSERT_EQ(s.SaveGame("game.chs"), 1);
    EXPECT_EQ(ReadFile("game.chs").find("Time Control"), std::string::npos);
    s.networkGame = 1;
    EXPECT_FALSE(s.CanChooseTimeControl());
    EXPECT_FALSE(s.TimeControl().IsOn()); // the greeting carries no clock
    EXPECT_EQ(s.ClockText(0), "White 00:00:00");
    s.networkGame = 0;
    StopScene();
    const std::string ini = ReadFile("Tavlion.INI");
    EXPECT_NE(ini.find("Time Control Minutes=3"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Time Control Increment=2"), std::string::npos) << ini;

    WriteFile("Tavlion.INI", "[Settings]\nTime Control Minutes=100000\n"
                             "Time Control Increment=-5\n");
    StartScene();
    EXPECT_EQ(scene->TimeControl(), (sTimeControl{kMaxTimeControlMinutes, 0}));
}

TEST_F(GameResultTest, TheEngineThinksOnItsOwnClockWithABusyCursor) {
    scene = std::make_unique<CScene>(recorder);
    ASSERT_EQ(scene->Create(), 1);
    scene->playWave = [](const std::string&) { return true; };
    if (!scene->IsEngineReady()) GTEST_SKIP() << "no engine library";
    scene->SetTimeControl({5, 0});
    MoveFigure(*scene, 4, 1, 4, 3);
    EXPECT_EQ(recorder.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(scene->moveTable.entries.Count(), 2);
    EXPECT_EQ(scene->StatusText(), "");
}

} // namespace

namespace {

TEST_F(GameResultTest, WhileTheEngineThinksTheStatusCountsItsSeconds) {
    CScene& s = StartTwoPlayers();
    now = 5000;
    s.BoardServices().ThinkingChanged(true);
    s.board.thinking = 1;
    now = 8400;
    EXPECT_EQ(s.StatusText(), "Thinking... 3 s");
    EXPECT_EQ(s.ClaimableDraw(), DrawClaim::None); // the board is the engine's now
    s.board.thinking = 0;
    s.BoardServices().ThinkingChanged(false);
    EXPECT_EQ(recorder.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(s.StatusText(), "");
}

} // namespace
