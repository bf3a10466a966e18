#include "shell_fixture.h"

#include "app/shell/gl_surface.h"

#include <QTest>

// Built with a scale factor of 2: the GL viewport counts device pixels and
// the pointer is mapped to the same pixels.
TEST_F(ShellTest, ViewportAndPickingUseDevicePixels) {
    ShowWindow(640, 480);
    CGLSurface* surface = View().Surface();
    ASSERT_DOUBLE_EQ(surface->devicePixelRatio(), 2.0);
    EXPECT_EQ(Scene().viewWidth, surface->width() * 2);
    EXPECT_EQ(Scene().viewHeight, surface->height() * 2);
    EXPECT_EQ(View().GrabFrame().size(), QSize(surface->width() * 2, surface->height() * 2));

    Scene().settings.soundEffects = 0;
    const QPointF g1 = SquareOnScreen(6, 0);
    QTest::mouseClick(surface, Qt::LeftButton, {}, g1.toPoint());
    ASSERT_EQ(Scene().board.selected, 1);
    EXPECT_EQ(Scene().board.selectedSquare.x, 6);
    EXPECT_EQ(Scene().board.selectedSquare.y, 0);
}

// A drag turns by the points the pointer travels, as on a screen of one
// pixel a point: 30 points down tilt by 0.3 radians, not twice that.
TEST_F(ShellTest, ADragTiltsByPointsNotPixels) {
    ShowWindow(640, 480);
    CGLSurface* surface = View().Surface();
    ASSERT_DOUBLE_EQ(surface->devicePixelRatio(), 2.0);
    QTest::mouseMove(surface, {200, 200});
    QTest::mousePress(surface, Qt::RightButton, {}, {200, 200});
    QTest::mouseMove(surface, {200, 230});
    QTest::mouseRelease(surface, Qt::RightButton, {}, {200, 230});
    EXPECT_NEAR(Scene().settings.yAngle, 0.3f, 1e-4);
}

namespace {

// Rows of `frame` between `top` and `bottom` that hold a pixel of the given
// lightness in the first `width` columns: the height of the text drawn there.
int InkRows(const QImage& frame, int width, int top, int bottom, bool white) {
    int first = -1, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < width; ++x) {
            const QColor c = frame.pixelColor(x, y);
            const bool ink = white ? c.red() > 240 && c.green() > 240 && c.blue() > 240
                                   : c.red() < 10 && c.green() < 10 && c.blue() < 10;
            if (!ink) continue;
            if (first < 0) first = y;
            last = y;
            break;
        }
    return first < 0 ? 0 : last - first + 1;
}

} // namespace

// The clocks keep their size in points: at two device pixels a point their
// text is twice as tall as at one, in a band twice as deep.
TEST_F(ShellTest, TheClocksTextFollowsThePixelRatio) {
    ShowWindow(640, 480);
    ASSERT_DOUBLE_EQ(View().Surface()->devicePixelRatio(), 2.0);
    Scene().settings.skyFlague = 0;
    Scene().gameStarted = 1;
    const QImage frame = View().GrabFrame();
    // The band lies between 10 and 35 points: 20 and 70 pixels.
    const int x = frame.width() / 2;
    EXPECT_GT(frame.pixelColor(x, 25).red(), 40);
    EXPECT_GT(frame.pixelColor(x, 65).red(), 40);
    EXPECT_LT(frame.pixelColor(x, 80).red(), 30);

    // "White 00:00:00" in the font of cell height 30 points: its capitals and
    // digits stand about 21 points tall, 42 pixels.
    const int white = InkRows(frame, 360, 0, 100, true);
    EXPECT_GE(white, 36);
    EXPECT_LE(white, 60);
    EXPECT_GE(InkRows(frame, 360, 0, 100, false), 36); // its shadow
}

TEST_F(ShellTest, TheMoveListArrowsFollowThePixelRatio) {
    ShowWindow(640, 480);
    Scene().settings.skyFlague = 0;
    // A list longer than the view is tall in points: (480 - 70) / 20 lines.
    for (int i = 0; i < 44; ++i) Scene().moveTable.entries.Append(new sMove{"E2 - E4", 4, 1, 4, 3});
    View().GrabFrame();
    ASSERT_EQ(Scene().moveListArrows.arrowsShown, 1);

    // Ten points above the down arrow's base, in its middle: inside the
    // arrow drawn in points, above one drawn in pixels.
    CGLSurface* surface = View().Surface();
    QTest::mouseClick(surface, Qt::LeftButton, {},
                      QPoint(surface->width() - 12, surface->height() - 20));
    EXPECT_EQ(Scene().moveTable.firstShown, 2);
}
