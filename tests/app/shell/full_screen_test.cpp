#include "shell_fixture.h"

#include "app/shell/gl_surface.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

bool BarsShown(CMainFrame& frame) {
    return frame.menuBar()->isVisible() && frame.ToolBar()->isVisible() &&
           frame.statusBar()->isVisible();
}

} // namespace

TEST_F(ShellTest, F11GivesTheWholeScreenToTheViewAndEscapeGivesItBack) {
    ShowWindow(800, 600);
    const QRect windowed = Frame().geometry();
    const QSize view = View().Surface()->size();
    const QSize screen = Frame().screen()->geometry().size();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    CGLSurface* surface = View().Surface();

    QTest::keyClick(surface, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return surface->size() == screen; }, 5000))
        << surface->width() << "x" << surface->height();
    EXPECT_TRUE(Frame().IsFullScreen());
    EXPECT_FALSE(Frame().menuBar()->isVisible());
    EXPECT_FALSE(Frame().ToolBar()->isVisible());
    EXPECT_FALSE(Frame().statusBar()->isVisible());
    EXPECT_TRUE(Frame().findChild<QAction*>(QStringLiteral("fullScreen"))->isChecked());
    QTest::qWait(50);
    EXPECT_EQ(Scene().viewWidth, View().Surface()->PixelSize().width());

    // Picking in full screen.
    Scene().settings.soundEffects = 0;
    QTest::mouseClick(surface, Qt::LeftButton, {}, SquareOnScreen(3, 1).toPoint());
    EXPECT_EQ(Scene().board.selected, 1);
    EXPECT_EQ(Scene().board.selectedSquare, (sSquare{3, 1}));

    QTest::keyClick(surface, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return surface->size() == view; }, 5000))
        << surface->width() << "x" << surface->height();
    EXPECT_FALSE(Frame().IsFullScreen());
    EXPECT_EQ(Frame().geometry(), windowed);
    EXPECT_TRUE(BarsShown(Frame()));
    EXPECT_FALSE(Frame().findChild<QAction*>(QStringLiteral("fullScreen"))->isChecked());

    // The menu entry and F11 toggle; a hidden bar stays hidden.
    Frame().ToolBar()->hide();
    Frame().findChild<QAction*>(QStringLiteral("fullScreen"))->trigger();
    EXPECT_TRUE(Frame().IsFullScreen());
    QTest::keyClick(surface, Qt::Key_F11);
    EXPECT_FALSE(Frame().IsFullScreen());
    EXPECT_FALSE(Frame().ToolBar()->isVisible());
    EXPECT_TRUE(Frame().menuBar()->isVisible());
}
