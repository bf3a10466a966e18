#include "shell_fixture.h"

#include "app/shell/gl_surface.h"

#include <QTest>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr float kHighest = 0.7479983f;
constexpr float kLowest = -0.5235988f;

} // namespace

TEST_F(ShellTest, RightDragTiltsWithinItsLimitsAndBacksOffAtOnce) {
    CTavlionView& view = View();
    view.OnMouseMove({100, 100}, Qt::NoButton);
    for (int y = 110; y <= 300; y += 10) view.OnMouseMove({100, y}, Qt::RightButton);
    EXPECT_FLOAT_EQ(Scene().settings.yAngle, kHighest);
    const point3d top = Scene().settings.eye;
    view.OnMouseMove({100, 400}, Qt::RightButton);
    EXPECT_FLOAT_EQ(Scene().settings.yAngle, kHighest);
    EXPECT_NEAR(Scene().settings.eye.y, top.y, 1e-4);
    EXPECT_NEAR(Scene().settings.eye.z, top.z, 1e-4);

    view.OnMouseMove({100, 390}, Qt::RightButton); // reversing tilts back at once
    EXPECT_NEAR(Scene().settings.yAngle, kHighest - 0.1f, 1e-5);

    for (int y = 380; y >= -400; y -= 20) view.OnMouseMove({100, y}, Qt::RightButton);
    EXPECT_FLOAT_EQ(Scene().settings.yAngle, kLowest);
    EXPECT_FLOAT_EQ(Scene().settings.eye.x, 0.0f);
    // The camera keeps its distance from the target.
    const point3d eye = Scene().settings.eye;
    EXPECT_NEAR(std::hypot(eye.y, eye.z), std::hypot(8.0f, 8.0f), 1e-3);
}

TEST_F(ShellTest, HorizontalDragTurnsTheBoardOnly) {
    CTavlionView& view = View();
    float before[16];
    std::copy(Scene().settings.matrix, Scene().settings.matrix + 16, before);
    view.OnMouseMove({100, 100}, Qt::NoButton);
    view.OnMouseMove({257, 100}, Qt::RightButton); // 1.57 rad: a quarter turn
    EXPECT_FLOAT_EQ(Scene().settings.yAngle, 0.0f);
    EXPECT_NEAR(Scene().settings.matrix[10], before[10], 1e-6); // the vertical axis stays
    EXPECT_GT(std::fabs(Scene().settings.matrix[0] - before[0]), 0.9f);

    // Moving without the button only remembers the point.
    std::copy(Scene().settings.matrix, Scene().settings.matrix + 16, before);
    view.OnMouseMove({500, 500}, Qt::NoButton);
    EXPECT_TRUE(std::equal(before, before + 16, Scene().settings.matrix));
}

TEST_F(ShellTest, RealMouseEventsReachTheCamera) {
    ShowWindow();
    CGLSurface* surface = View().Surface();
    QTest::mouseMove(surface, {200, 200});
    QTest::mousePress(surface, Qt::RightButton, {}, {200, 200});
    QTest::mouseMove(surface, {200, 230});
    QTest::mouseRelease(surface, Qt::RightButton, {}, {200, 230});
    EXPECT_NEAR(Scene().settings.yAngle, 0.3f, 1e-4);
}

TEST_F(ShellTest, ResetCameraUndoesTheDrag) {
    View().OnMouseMove({0, 0}, Qt::NoButton);
    View().OnMouseMove({40, 40}, Qt::RightButton);
    ASSERT_TRUE(Frame().Execute(32788));
    EXPECT_FLOAT_EQ(Scene().settings.yAngle, 0.0f);
    EXPECT_EQ(Scene().settings.eye, (point3d{0, 8, 8}));
}

TEST_F(ShellTest, ResizingKeepsTheProportions) {
    ShowWindow(900, 500);
    const QSize pixels = View().Surface()->PixelSize();
    EXPECT_EQ(Scene().viewWidth, pixels.width());
    EXPECT_EQ(Scene().viewHeight, pixels.height());
    EXPECT_FLOAT_EQ(Scene().aspect, float(pixels.width()) / float(pixels.height()));
    Frame().resize(500, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return View().Surface()->PixelSize() != pixels; }, 3000));
    QTest::qWait(50);
    const QSize now = View().Surface()->PixelSize();
    EXPECT_FLOAT_EQ(Scene().aspect, float(now.width()) / float(now.height()));
}

TEST_F(ShellTest, TheWheelAndTheZoomKeysMoveTheCameraCloserAndFarther) {
    ShowWindow();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    CGLSurface* surface = View().Surface();
    const float standard = Scene().settings.cameraDistance;
    const auto wheel = [surface](int delta) {
        const QPointF at(100, 100);
        QWheelEvent event(at, surface->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(surface, &event);
    };

    wheel(120); // away from the user: closer
    EXPECT_NEAR(Scene().settings.cameraDistance, standard / 1.1f, 1e-4);
    wheel(-60); // half a notch of a finer wheel
    EXPECT_NEAR(Scene().settings.cameraDistance, standard / std::sqrt(1.1f), 1e-4);

    QTest::keyClick(surface, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(surface, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(Scene().settings.cameraDistance, standard * std::pow(1.1f, 1.5f), 1e-4);
    for (const Qt::Key in : {Qt::Key_Plus, Qt::Key_Equal}) {
        const float before = Scene().settings.cameraDistance;
        QTest::keyClick(surface, in, Qt::ControlModifier);
        EXPECT_NEAR(Scene().settings.cameraDistance, before / 1.1f, 1e-4) << in;
    }

    ASSERT_TRUE(Frame().Execute(32788)); // Reset Camera
    EXPECT_EQ(Scene().settings.cameraDistance, standard);
}

// Far out and low down the sky still fills the view: it keeps its distance
// from the camera instead of showing its edge.
TEST_F(ShellTest, TheSkyFillsTheViewAtTheFarthestZoom) {
    ShowWindow(900, 500);
    View().OnMouseMove({0, 0}, Qt::NoButton);
    View().OnMouseMove({0, -300}, Qt::RightButton); // the lowest tilt
    Scene().ZoomCamera(-100);
    const QImage frame = View().GrabFrame();
    ASSERT_FALSE(frame.isNull());
    const QColor clear(26, 26, 128);
    for (const QPoint corner :
         {QPoint(1, 1), QPoint(frame.width() - 2, 1), QPoint(1, frame.height() - 2),
          QPoint(frame.width() - 2, frame.height() - 2)})
        EXPECT_NE(frame.pixelColor(corner), clear) << corner.x() << "," << corner.y();
}
