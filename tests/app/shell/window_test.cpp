#include "shell_fixture.h"

#include "app/shell/gl_surface.h"

#include <GL/gl.h>

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

bool NearColour(const QColor& c, int r, int g, int b, int tolerance = 2) {
    return std::abs(c.red() - r) <= tolerance && std::abs(c.green() - g) <= tolerance &&
           std::abs(c.blue() - b) <= tolerance;
}

// The clear colour (0.1, 0.1, 0.5) in bytes.
constexpr int kClearR = 26, kClearG = 26, kClearB = 128;

// A program folder without the board's pictures.
class ShellWithoutTexturesTest : public ShellTest {
protected:
    void SetUp() override {
        withheld = {"Textures"};
        ShellTest::SetUp();
    }
};

} // namespace

TEST_F(ShellTest, StartsWithoutSettingsAndDrawsFrames) {
    EXPECT_FALSE(fs::exists(workDir / "Tavlion.INI"));
    ShowWindow();
    EXPECT_TRUE(View().HasContext());
    EXPECT_TRUE(boxes.empty() || boxes.front().find("PixelFormat") == std::string::npos);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Tavlion"));

    Scene().settings.skyFlague = 0;
    const QImage frame = View().GrabFrame();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.size(), View().Surface()->PixelSize());
    EXPECT_TRUE(NearColour(PixelAt(frame, 2, 2), kClearR, kClearG, kClearB));
    EXPECT_TRUE(NearColour(PixelAt(frame, frame.width() - 3, frame.height() - 3), kClearR, kClearG,
                           kClearB));
    // The board covers the middle of the view.
    EXPECT_FALSE(NearColour(PixelAt(frame, frame.width() / 2, frame.height() / 2), kClearR, kClearG,
                            kClearB, 10));
}

TEST_F(ShellTest, ClockBandAppearsOnceAGameRuns) {
    ShowWindow();
    Scene().settings.skyFlague = 0;
    const int x = View().Surface()->PixelSize().width() / 2;
    QImage frame = View().GrabFrame();
    EXPECT_TRUE(NearColour(PixelAt(frame, x, 20), kClearR, kClearG, kClearB));

    Scene().gameStarted = 1;
    ASSERT_TRUE(Scene().IsClockRunning());
    frame = View().GrabFrame();
    const QColor band = PixelAt(frame, x, 20);
    EXPECT_FALSE(NearColour(band, kClearR, kClearG, kClearB, 6));
    EXPECT_GT(band.red(), kClearR); // lighter: white laid over the background
    EXPECT_TRUE(NearColour(PixelAt(frame, x, 60), kClearR, kClearG, kClearB));

    // The clock texts: white and black glyph pixels inside the band at the left.
    const QImage left = frame.copy(8, 8, 180, 30);
    int white = 0, black = 0;
    for (int py = 0; py < left.height(); ++py)
        for (int px = 0; px < left.width(); ++px) {
            const QColor c = left.pixelColor(px, py);
            white += c.red() > 240 && c.green() > 240 && c.blue() > 240;
            black += c.red() < 10 && c.green() < 10 && c.blue() < 10;
        }
    EXPECT_GT(white, 50);
    EXPECT_GT(black, 50);

    // Black's clock ends inside the view: the last columns hold no glyph.
    const QImage right = frame.copy(frame.width() - 200, 8, 200, 30);
    int rightInk = 0, edgeInk = 0;
    for (int py = 0; py < right.height(); ++py)
        for (int px = 0; px < right.width(); ++px) {
            const QColor c = right.pixelColor(px, py);
            const bool ink = c.lightness() < 10 || c.lightness() > 245;
            rightInk += ink;
            edgeInk += ink && px >= right.width() - 4;
        }
    EXPECT_GT(rightInk, 50);
    EXPECT_EQ(edgeInk, 0);

    Scene().settings.timer = 0;
    frame = View().GrabFrame();
    EXPECT_TRUE(NearColour(PixelAt(frame, x, 20), kClearR, kClearG, kClearB));
}

TEST_F(ShellTest, CloseIsRefusedWhileTheEngineThinks) {
    ShowWindow();
    Scene().board.thinking = 1;
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), "Please wait the finish of the thinking or stop it!");

    boxes.clear();
    EXPECT_TRUE(Frame().Execute(57665)); // Exit takes the same road
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(boxes.size(), 1u);

    Scene().board.thinking = 0;
    EXPECT_TRUE(Frame().close());
}

TEST_F(ShellTest, ClosingSavesTheSettings) {
    ShowWindow();
    App().DestroyMainWindow();
    EXPECT_TRUE(fs::exists(workDir / "Tavlion.INI"));
}

TEST_F(ShellTest, TheTimerRunsTheClocksAndEndsTheSplash) {
    ShowWindow();
    Scene().gameStarted = 1;
    ASSERT_TRUE(QTest::qWaitFor([this] { return !View().Splash(); }, 4000));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Scene().ClockText(0) != "White 00:00:00"; }, 4000));
}

TEST_F(ShellTest, SaveAsAppendsTheGameExtension) {
    ShowWindow();
    const std::string chosen = (workDir / "my game").string();
    QTimer::singleShot(0, [chosen] {
        QFileDialog* dialog = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr;
        }));
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(chosen));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ASSERT_TRUE(Frame().Execute(57604));
    EXPECT_EQ(Scene().gamePath, chosen + ".chs");
    EXPECT_TRUE(fs::exists(chosen + ".chs"));
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Tavlion - " + chosen + ".chs");
    EXPECT_TRUE(Enabled(57603)); // Save works from now on
}

TEST_F(ShellTest, ACancelledFileDialogDoesNothing) {
    ShowWindow();
    QTimer::singleShot(0, [] {
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    ASSERT_TRUE(Frame().Execute(57601));
    EXPECT_TRUE(Scene().gamePath.empty());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Tavlion"));
}

TEST_F(ShellTest, ALeftClickPicksTheSquareUnderThePointer) {
    ShowWindow();
    Scene().settings.soundEffects = 0;
    Scene().settings.animation = 0;
    CGLSurface* surface = View().Surface();

    const QPointF e2 = SquareOnScreen(4, 1);
    QTest::mouseClick(surface, Qt::LeftButton, {}, e2.toPoint());
    ASSERT_EQ(Scene().board.selected, 1);
    EXPECT_EQ(Scene().board.selectedSquare.x, 4);
    EXPECT_EQ(Scene().board.selectedSquare.y, 1);

    // Turned to Black's side, the same square lies elsewhere and is still found.
    Scene().board.ClearSelection();
    Scene().FaceBlack();
    const QPointF d2 = SquareOnScreen(3, 1);
    QTest::mouseClick(surface, Qt::LeftButton, {}, d2.toPoint());
    ASSERT_EQ(Scene().board.selected, 1);
    EXPECT_EQ(Scene().board.selectedSquare.x, 3);
    EXPECT_EQ(Scene().board.selectedSquare.y, 1);
}

TEST_F(ShellTest, AMoveByMouseStartsTheGameAndTheEngineAnswers) {
    ShowWindow();
    Scene().settings.soundEffects = 0;
    Scene().settings.animation = 0;
    CGLSurface* surface = View().Surface();
    ASSERT_TRUE(Scene().IsEngineReady());

    QTest::mouseClick(surface, Qt::LeftButton, {}, SquareOnScreen(4, 1).toPoint()); // E2
    QTest::mouseClick(surface, Qt::LeftButton, {}, SquareOnScreen(4, 3).toPoint()); // E4
    EXPECT_EQ(Scene().gameStarted, 1);
    EXPECT_EQ(Scene().board.thinking, 0);
    const CFigure* pawn = Scene().board.FigureAt(4, 3);
    ASSERT_NE(pawn, nullptr);
    EXPECT_EQ(pawn->type, 1);
    const sLastMove& reply = Scene().board.lastMove; // Black has answered
    const CFigure* replied = Scene().board.FigureAt(reply.toX, reply.toY);
    ASSERT_NE(replied, nullptr);
    EXPECT_EQ(replied->color, 1);
    // The toolbar follows at once: a move can be taken back, the mode is fixed.
    EXPECT_TRUE(Frame().Action(57643)->isEnabled());
    EXPECT_FALSE(Frame().Action(32772)->isEnabled());
}

// The view closes the connection while the frame around it is being torn
// down; the frame's command states must not be touched by then.
TEST_F(ShellTest, ClosingTheWindowWhileConnectedTellsTheDyingFrameNothing) {
    Scene().settings.playerMode = 1;
    ASSERT_NE(View().Net(), nullptr);
    ASSERT_TRUE(View().Net()->Start({"Alice", "127.0.0.1", 0, true}));
    ASSERT_TRUE(View().Net()->IsListening());
    int lateChanges = 0;
    QObject::connect(&View(), &CTavlionView::StateChanged, [&lateChanges] { ++lateChanges; });
    App().DestroyMainWindow();
    EXPECT_EQ(lateChanges, 0);
}

// The GL resources are set up once per context; a resize changes only the
// viewport and the projection, so the missing picture is not looked for (and
// reported) again.
TEST_F(ShellWithoutTexturesTest, AMissingPictureIsReportedOnceAndNotOnEveryResize) {
    ShowWindow(800, 600);
    for (const QSize size : {QSize(600, 600), QSize(900, 500), QSize(700, 650)}) {
        const QSize before = View().Surface()->PixelSize();
        Frame().resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return View().Surface()->PixelSize() != before; }, 3000));
        QTest::qWait(50);
        const QSize pixels = View().Surface()->PixelSize();
        ASSERT_EQ(QSize(Scene().viewWidth, Scene().viewHeight), pixels);

        ASSERT_TRUE(View().Surface()->MakeCurrent());
        GLint viewport[4];
        GLdouble projection[16];
        glGetIntegerv(GL_VIEWPORT, viewport);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        EXPECT_EQ(QSize(viewport[2], viewport[3]), pixels);
        EXPECT_NEAR(projection[5] / projection[0], double(pixels.width()) / pixels.height(), 1e-4);
    }
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "Can't load image"), 1);
}
