#include "board/board.h"
#include "platform/message_box.h"
#include "render/board_renderer.h"
#include "render_gl/drawing_services.h"
#include "render_gl/gl_fixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

class BoardDrawingTest : public CGlTest {
protected:
    void Draw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        renderer.DrawBoard(board, services);
        glFinish();
    }

    static std::vector<sPixel> ReadFrame() {
        std::vector<sPixel> frame(kSize * kSize);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
        return frame;
    }

    int CountPixels(int r, int g, int b) const {
        const std::vector<sPixel> frame = ReadFrame();
        int n = 0;
        for (const sPixel& p : frame) n += Near(p, r, g, b, 3);
        return n;
    }

    CDrawingServices services;
    CMoveTable moves;
    CBoard board{services, moves};
    CBoardRenderer renderer;
};

TEST_F(BoardDrawingTest, SquaresAreOpaqueWithoutMirrorAndDarkOnesTakeTheBoardTexture) {
    Draw();
    EXPECT_TRUE(Near(AtSquare(1, 0), 214, 171, 123, 0));
    EXPECT_TRUE(Near(AtSquare(0, 0), 140, 123, 129));

    renderer.LoadTextures(services);
    ASSERT_NE(renderer.BoardTexture(), 0u);
    services.texturedBoard = 1;
    Draw();
    EXPECT_FALSE(Near(AtSquare(0, 0), 140, 123, 129)) << "dark square textured";
    EXPECT_TRUE(Near(AtSquare(1, 0), 214, 171, 123, 0)) << "light squares never are";
}

TEST_F(BoardDrawingTest, MirrorBlendsTheSquaresAndShowsTheReflections) {
    services.mirror = 1;
    Draw();
    // Three quarters square, one quarter of the blue behind it.
    EXPECT_TRUE(Near(AtSquare(1, 0), 160, 128, 156)) << ::testing::PrintToString(AtSquare(1, 0));

    // Seen from in front and above, the reflection lies beneath the board in
    // front of the figure: only with Mirror does a figure change those pixels.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.1, 0.1, -0.1, 0.1, 0.2, 40);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -14);
    glRotatef(-50, 1, 0, 0);

    auto changedPixels = [&](int mirror) {
        services.mirror = mirror;
        board.ClearFigures();
        Draw();
        std::vector<sPixel> empty(kSize * kSize), withQueen(kSize * kSize);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, empty.data());
        board.AddFigure(kQueen, 0, 3, 3);
        Draw();
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, withQueen.data());
        int n = 0;
        for (int i = 0; i < kSize * kSize; ++i) n += !(empty[i] == withQueen[i]);
        return n;
    };
    const int figureOnly = changedPixels(0);
    const int withReflection = changedPixels(1);
    EXPECT_GT(figureOnly, 50);
    EXPECT_GT(withReflection, figureOnly + 50);
}

TEST_F(BoardDrawingTest, SelectionIsYellowAndTargetsWhite) {
    board.selected = 1;
    board.selectedSquare = {4, 1};
    board.targets = {{4, 2}, {4, 3}};
    Draw();
    EXPECT_TRUE(Near(AtSquare(4, 1), 255, 255, 0));
    EXPECT_TRUE(Near(AtSquare(4, 2), 255, 255, 255));
    EXPECT_TRUE(Near(AtSquare(4, 3), 255, 255, 255));
    EXPECT_TRUE(Near(AtSquare(4, 5), 214, 171, 123));

    board.selected = 0;
    Draw();
    EXPECT_TRUE(Near(AtSquare(4, 1), 214, 171, 123)) << "marks only while selected";
}

TEST_F(BoardDrawingTest, LastMoveIsOutlinedInRed) {
    const float leftEdge = 3 - 4.0f, middle = 3 - 3.5f;
    Draw();
    EXPECT_TRUE(Near(At(leftEdge, middle), 38, 191, 38)) << "the green outline";
    board.lastMove = {3, 1, 3, 3};
    Draw();
    EXPECT_TRUE(Near(At(leftEdge, middle), 191, 38, 38));
    EXPECT_TRUE(Near(At(leftEdge, 1 - 3.5f), 191, 38, 38));
    EXPECT_TRUE(Near(At(leftEdge, 2 - 3.5f), 38, 191, 38)) << "squares between stay green";
}

TEST_F(BoardDrawingTest, CapturedFiguresStandBesideTheBoard) {
    for (int i = 0; i < 5; ++i) board.capturedBlack.Append(new CFigure{kPawn, 1, 0, 0, 0});
    board.capturedWhite.Append(new CFigure{kQueen, 0, 0, 0, 0});
    const auto background = [](const sPixel& p) { return Near(p, 0, 0, 255, 0); };
    Draw();
    EXPECT_TRUE(background(At(4.5f, 0.5f))) << "hidden without Delete Figures";

    services.deleteFigures = 1;
    Draw();
    EXPECT_FALSE(background(At(4.5f, -3.5f)));
    EXPECT_FALSE(background(At(4.5f, 0.5f))) << "the fifth pawn";
    EXPECT_TRUE(background(At(4.5f, 1.5f)));
    EXPECT_FALSE(background(At(-5.0f, 3.5f))) << "the first white non-pawn";
    EXPECT_TRUE(background(At(-5.0f, 2.5f)));
}

// Tournament keeps its captured figures in a tray at the window's left edge,
// upright whichever way the board is turned, and none beside the board.
TEST_F(BoardDrawingTest, TournamentCapturedFiguresStandInATrayThatIgnoresTheBoardsTurn) {
    renderer.SetTheme(BoardTheme(1));
    services.deleteFigures = 1;
    for (int i = 0; i < 3; ++i) board.capturedBlack.Append(new CFigure{kPawn, 1, 0, 0, 0});
    board.capturedWhite.Append(new CFigure{kQueen, 0, 0, 0, 0});
    const auto background = [](const sPixel& p) { return Near(p, 0, 0, 255, 0); };
    // The columns [from, to) of the frame drawn last.
    const auto columns = [&](int from, int to) {
        const std::vector<sPixel> frame = ReadFrame();
        std::vector<sPixel> band;
        for (int y = 0; y < kSize; ++y)
            for (int x = from; x < to; ++x) band.push_back(frame[std::size_t(y * kSize + x)]);
        return band;
    };
    // Left of the board and its frame in every quarter turn.
    const auto tray = [&] { return columns(0, 28); };
    Draw();
    const std::vector<sPixel> straight = tray();
    EXPECT_GT(std::count_if(straight.begin(), straight.end(), std::not_fn(background)), 100);
    // Classic would stand Black's captures right of the board; past the
    // frame there is only the background.
    const std::vector<sPixel> right =
        columns(int((4.6f + kHalfSpan) / (2 * kHalfSpan) * kSize), kSize);
    EXPECT_TRUE(std::all_of(right.begin(), right.end(), background)) << "nothing beside the board";
    for (float turn : {90.0f, 180.0f}) {
        glLoadIdentity();
        glRotatef(turn, 0, 0, 1);
        Draw();
        EXPECT_EQ(tray(), straight) << "turned by " << turn;
    }
}

// The tray starts below the clocks' band, which is twice as tall at two
// device pixels a point.
TEST_F(BoardDrawingTest, TournamentTrayStaysBelowTheClocksAtEveryPixelRatio) {
    renderer.SetTheme(BoardTheme(1));
    services.deleteFigures = 1;
    board.capturedBlack.Append(new CFigure{kPawn, 1, 0, 0, 0});
    // Figure pixels in the rows above the band's lower edge at ratio 2.
    const auto aboveTheBand = [&] {
        const std::vector<sPixel> frame = ReadFrame();
        int n = 0;
        for (int y = kSize - 2 * 48; y < kSize; ++y)
            for (int x = 0; x < 28; ++x) // left of the board
                n += !Near(frame[std::size_t(y * kSize + x)], 0, 0, 255, 0);
        return n;
    };
    Draw();
    EXPECT_GT(aboveTheBand(), 50) << "at ratio 1 the pawn stands higher";
    renderer.SetPixelScale({2.0f});
    Draw();
    EXPECT_EQ(aboveTheBand(), 0);
}

TEST_F(BoardDrawingTest, TournamentLettersStandOnTheFrameOutsideTheSquares) {
    renderer.SetTheme(BoardTheme(1));
    services.letters = 1;
    Draw();
    const sBoardTheme& t = BoardTheme(1);
    const auto ink = [&](const sPixel& p) {
        return Near(p, int(t.glyph.r * 255), int(t.glyph.g * 255), int(t.glyph.b * 255), 3);
    };
    const std::vector<sPixel> frame = ReadFrame();
    int onFrame = 0, onSquares = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const float bx = float(x) / kSize * 2 * kHalfSpan - kHalfSpan;
            const float by = float(y) / kSize * 2 * kHalfSpan - kHalfSpan;
            const bool inside = std::abs(bx) < 3.95f && std::abs(by) < 3.95f;
            (inside ? onSquares : onFrame) += ink(frame[std::size_t(y * kSize + x)]);
        }
    EXPECT_GT(onFrame, 100);
    EXPECT_EQ(onSquares, 0);
}

TEST_F(BoardDrawingTest, GlyphsOnlyWithLetters) {
    Draw();
    EXPECT_EQ(CountPixels(255, 26, 255), 0);
    services.letters = 1;
    Draw();
    EXPECT_GT(CountPixels(255, 26, 255), 100);
}

TEST_F(BoardDrawingTest, ShadowsDarkenTheSquareAroundAFigure) {
    board.AddFigure(kPawn, 0, 2, 2);
    Draw();
    const sPixel plain = At(2 - 3.5f + 0.32f, 2 - 3.5f - 0.3f);
    services.shadows = 1;
    Draw();
    const sPixel shaded = At(2 - 3.5f + 0.32f, 2 - 3.5f - 0.3f);
    EXPECT_LT(shaded.r, plain.r);
}

TEST_F(BoardDrawingTest, MissingTexturesAreReportedOnce) {
    std::vector<std::string> boxes;
    auto previous = platform::SetMessageBoxHandler(
        [&](const std::string& text, const std::string& caption, int) {
            boxes.push_back(text + "|" + caption);
            return platform::kIdOk;
        });
    services.directory = "/nonexistent";
    renderer.LoadTextures(services);
    platform::SetMessageBoxHandler(previous);
    EXPECT_EQ(boxes, std::vector<std::string>{"Can't load image|Board"});
    EXPECT_EQ(renderer.WoodTexture(), 0u);
    EXPECT_EQ(renderer.BoardTexture(), 0u);
    services.texturedBoard = services.texturedFigures = 1;
    Draw();
    EXPECT_TRUE(Near(AtSquare(0, 0), 140, 123, 129)) << "drawn without the texture";
}

} // namespace
