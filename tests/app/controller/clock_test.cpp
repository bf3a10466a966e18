#include "scene_fixture.h"

namespace {

// Advances the fake time by whole seconds, ticking once per second.
void RunSeconds(CScene& s, uint32_t& now, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        now += 1000;
        s.TickClocks();
    }
}

} // namespace

TEST_F(SceneTest, ClockTextsRollOverSecondsAndMinutes) {
    CScene& s = StartScene();
    EXPECT_EQ(s.ClockText(0), "White 00:00:00");
    EXPECT_EQ(s.ClockText(1), "Black 00:00:00");
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(0), "White 00:00:01");
    RunSeconds(s, now, 58);
    EXPECT_EQ(s.ClockText(0), "White 00:00:59");
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(0), "White 00:01:00");
    RunSeconds(s, now, 59 * 60 - 1);
    EXPECT_EQ(s.ClockText(0), "White 00:59:59");
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(0), "White 01:00:00");
    EXPECT_EQ(s.ClockText(1), "Black 00:00:00");

    sClock clock;
    clock.hours = 99;
    clock.minutes = 59;
    clock.seconds = 59;
    clock.AddSecond();
    EXPECT_EQ(clock.Text(), "100:00:00"); // hours are not bounded
}

TEST_F(SceneTest, ClocksAdvanceAtMostOncePerSecond) {
    CScene& s = StartScene();
    now += 1000;
    s.TickClocks();
    now += 999;
    s.TickClocks();
    s.TickClocks();
    EXPECT_EQ(s.ClockText(0), "White 00:00:01");
    now += 1;
    s.TickClocks();
    EXPECT_EQ(s.ClockText(0), "White 00:00:02");
    // The millisecond count wraps like a 32-bit tick counter.
    now = lastClockTick + 0xFFFFFFFFu;
    s.TickClocks();
    EXPECT_EQ(s.ClockText(0), "White 00:00:03");
}

TEST_F(SceneTest, TheClockOfTheSideToActRuns) {
    CScene& s = StartScene();
    // One player as White: Black's clock runs while the engine thinks.
    RunSeconds(s, now, 1);
    s.board.thinking = 1;
    RunSeconds(s, now, 2);
    s.board.thinking = 0;
    EXPECT_EQ(s.ClockText(0), "White 00:00:01");
    EXPECT_EQ(s.ClockText(1), "Black 00:00:02");

    // One player as Black: White's clock runs while the engine thinks.
    s.settings.playerColor = 1;
    s.board.thinking = 1;
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(0), "White 00:00:02");

    // Two players at one machine: the side to move.
    s.settings.playerMode = 1;
    s.board.thinking = 0;
    s.settings.currentMove = 1;
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(1), "Black 00:00:03");

    // Across the network: the local side, or the peer while its move is awaited.
    s.networkGame = 1;
    s.settings.playerColor = 0;
    s.waitingForPeer = 1;
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(1), "Black 00:00:04");
    s.waitingForPeer = 0;
    RunSeconds(s, now, 1);
    EXPECT_EQ(s.ClockText(0), "White 00:00:03");
}

TEST_F(SceneTest, ClockOverlayOnlyWhileAGameRuns) {
    CScene& s = StartScene();
    EXPECT_FALSE(s.IsClockRunning());
    now += 5000;
    EXPECT_FALSE(s.PrepareClockOverlay());
    EXPECT_EQ(s.ClockText(0), "White 00:00:00");

    s.gameStarted = 1;
    EXPECT_TRUE(s.IsClockRunning());
    EXPECT_TRUE(s.PrepareClockOverlay());
    EXPECT_EQ(s.ClockText(0), "White 00:00:01");
    s.settings.timer = 0; // ticking on, drawing off
    now += 1000;
    EXPECT_FALSE(s.PrepareClockOverlay());
    EXPECT_EQ(s.ClockText(0), "White 00:00:02");

    s.board.gameOver = 1;
    EXPECT_FALSE(s.IsClockRunning());
    s.NewGame();
    EXPECT_EQ(s.ClockText(0), "White 00:00:00");
    EXPECT_EQ(s.gameStarted, 0);
}
