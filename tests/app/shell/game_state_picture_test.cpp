#include "shell_fixture.h"

#include "support/scene_clicks.h"

#include <QImage>

// What the picture tells about the game: a king in check has its square
// outlined in red, and a clock short of time is drawn red.
namespace {

// Pixels of pure red (the check's outline, not the darker last move's) in a
// box around a point.
int RedAround(const QImage& frame, QPointF centre, int half) {
    int red = 0;
    for (int y = int(centre.y()) - half; y <= int(centre.y()) + half; ++y)
        for (int x = int(centre.x()) - half; x <= int(centre.x()) + half; ++x) {
            if (!frame.valid(x, y)) continue;
            const QColor c = frame.pixelColor(x, y);
            red += c.red() > 230 && c.green() < 40 && c.blue() < 40;
        }
    return red;
}

// The clocks stand still: on a slow machine five real seconds would let the
// flag fall before the picture is taken.
uint32_t StillTime() {
    return 0;
}

} // namespace

TEST_F(ShellTest, AKingInCheckIsOutlinedInRedWhileTheCheckLasts) {
    ShowWindow();
    CScene& s = Scene();
    s.settings.skyFlague = 0;
    s.settings.animation = 0;
    s.SetPlayerMode(1);
    s.NewGame();
    MoveFigure(s, 4, 1, 4, 3);
    MoveFigure(s, 5, 6, 5, 5);
    const auto kingArea = [&] { return RedAround(View().GrabFrame(), SquareOnScreen(4, 7), 60); };
    EXPECT_EQ(kingArea(), 0);
    MoveFigure(s, 3, 0, 7, 4); // the queen gives check from H5
    ASSERT_EQ(s.board.checkedKing, (sSquare{4, 7}));
    EXPECT_GT(kingArea(), 40);
    MoveFigure(s, 6, 6, 6, 5); // a pawn steps in between
    EXPECT_EQ(s.board.checkedKing, (sSquare{-1, -1}));
    EXPECT_EQ(kingArea(), 0);
}

TEST_F(ShellTest, AClockShortOfTimeIsDrawnRed) {
    SetClockTickSource(StillTime);
    ShowWindow();
    CScene& s = Scene();
    s.settings.skyFlague = 0;
    s.SetTimeControl({1, 0});
    s.gameStarted = 1;
    const auto redInWhitesClock = [&] {
        const QImage band = View().GrabFrame().copy(8, 8, 220, 30);
        return RedAround(band, QPointF(110, 15), 110);
    };
    EXPECT_EQ(redInWhitesClock(), 0);
    for (int i = 0; i < 55; ++i) s.countdown.TakeSecond(kWhite);
    EXPECT_EQ(s.ClockText(kWhite), "White 00:00:05");
    EXPECT_GT(redInWhitesClock(), 30);
    SetClockTickSource(nullptr);
}
