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
