#include "board/move_table.h"
#include "render/move_list_renderer.h"
#include "render_gl/gl_fixture.h"

#include <string>

namespace {

void AddMoves(CMoveTable& table, int count) {
    for (int i = 0; i < count; ++i)
        table.entries.Append(new sMove{"M" + std::to_string(i), 0, 0, 0, 0});
}

TEST(MoveListText, WhiteStartsTheLineAndBlackCompletesIt) {
    CMoveTable table;
    table.entries.Append(new sMove{"E2 - E4", 4, 1, 4, 3});
    table.entries.Append(new sMove{"E7 - E5", 4, 6, 4, 4});
    std::string white;
    EXPECT_EQ(CMoveListRenderer::LineText(table, 0, 0, white), "1. E2 - E4");
    EXPECT_EQ(CMoveListRenderer::LineText(table, 0, 1, white), "1. E2 - E4 : E7 - E5");
    white = "stale";
    EXPECT_EQ(CMoveListRenderer::LineText(table, 1, 1, white), " : E7 - E5");
}

TEST(MoveListText, StandardNotationNumbersEachFullMove) {
    const sMoveNotation white{{"e4", "e5", "Nf3"}, 1, 0};
    std::string line;
    EXPECT_EQ(CMoveListRenderer::NotationLineText(white, 0, 0, line), "1. e4");
    EXPECT_EQ(CMoveListRenderer::NotationLineText(white, 0, 1, line), "1. e4 e5");
    EXPECT_EQ(CMoveListRenderer::NotationLineText(white, 0, 2, line), "2. Nf3");
    EXPECT_EQ(CMoveListRenderer::NotationLineText(white, 1, 1, line), "1. ... e5");

    // A game that Black begins, from move 12.
    const sMoveNotation black{{"e5", "e4", "Kd7"}, 12, 1};
    EXPECT_EQ(CMoveListRenderer::NotationLineText(black, 0, 0, line), "12. ... e5");
    EXPECT_EQ(CMoveListRenderer::NotationLineText(black, 0, 1, line), "13. e4");
    EXPECT_EQ(CMoveListRenderer::NotationLineText(black, 0, 2, line), "13. e4 Kd7");
}

TEST(MoveListText, ArrowsOnceTheLinesFillTheView) {
    EXPECT_FALSE(CMoveListRenderer::NeedsArrows(15, 240)); // 7 lines, room for 8
    EXPECT_TRUE(CMoveListRenderer::NeedsArrows(16, 240));
    EXPECT_TRUE(CMoveListRenderer::NeedsArrows(0, 60)) << "a window too low for any line";
}

// Window pixels map to the world plane z = 0 one to one, seen through an
// orthographic view of the window; each character is a solid 8 x 12 block.
class MoveListTest : public CGlTest {
protected:
    void SetUp() override {
        CGlTest::SetUp();
        if (IsSkipped()) return;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kSize, kSize, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        static const GLubyte block[12 * 1] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                              0xff, 0xff, 0xff, 0xff, 0xff, 0xff};
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        for (unsigned code = 0; code < 255; ++code) {
            glNewList(CMoveListRenderer::kFontBase + code, GL_COMPILE);
            glBitmap(8, 12, 0, 0, 9, 0, block);
            glEndList();
        }
    }

    void Draw(int moveCount, const sMoveNotation* notation = nullptr) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        list.Draw(table, moveCount, kSize, kSize, {}, notation);
        glFinish();
    }
    // A pixel inside the first character of line `line`.
    sPixel LineStart(int line) const {
        return context.Pixel(kSize - 200 + 3, kSize - 95 - 20 * line);
    }
    sPixel WindowPixel(int x, int y) const { return context.Pixel(x, kSize - 1 - y); }

    CMoveTable table;
    CMoveListRenderer list{[](int x, int y) { return point3d{float(x), float(y), 0}; }};
};

TEST_F(MoveListTest, TheLastMovePlayedIsRedAndTheRestGreen) {
    AddMoves(table, 1);
    Draw(1);
    EXPECT_TRUE(Near(LineStart(0), 242, 77, 77));

    AddMoves(table, 1);
    Draw(2);
    EXPECT_TRUE(Near(LineStart(0), 242, 77, 77)) << "Black's reply redraws the whole line red";

    AddMoves(table, 2);
    Draw(2);
    EXPECT_TRUE(Near(LineStart(0), 242, 77, 77));
    EXPECT_TRUE(Near(LineStart(1), 77, 242, 77)) << "the redo tail stays green";
    EXPECT_EQ(list.arrows.arrowsShown, 0);
    EXPECT_TRUE(Near(WindowPixel(kSize - 12, 90), 0, 0, 255)) << "no arrows";
}

// Black's first move has a line of its own, and White's reply opens the next.
TEST_F(MoveListTest, AGameThatBlackBeginsStartsWithALineOfItsOwn) {
    AddMoves(table, 2);
    const sMoveNotation notation{{"e5", "e4"}, 1, 1};
    Draw(1, &notation);
    EXPECT_TRUE(Near(LineStart(0), 242, 77, 77));
    EXPECT_TRUE(Near(LineStart(1), 77, 242, 77));
    Draw(2);
    EXPECT_TRUE(Near(LineStart(0), 242, 77, 77)) << "without it both share the first line";
    EXPECT_TRUE(Near(LineStart(1), 0, 0, 255));
}

TEST_F(MoveListTest, ArrowsScrollByOneFullMove) {
    AddMoves(table, 17);
    Draw(17);
    ASSERT_EQ(list.arrows.arrowsShown, 1);
    EXPECT_TRUE(Near(WindowPixel(kSize - 12, 90), 255, 255, 77));
    EXPECT_TRUE(Near(WindowPixel(kSize - 12, kSize - 10), 255, 255, 77));

    const point3d up{kSize - 12, 90, 0}, down{kSize - 12, kSize - 10, 0};
    EXPECT_EQ(HitArrows(list.arrows, table, {kSize - 100, 90, 0}), 0);
    EXPECT_EQ(HitArrows(list.arrows, table, up), 1);
    EXPECT_EQ(table.firstShown, 0) << "not above the first move";
    for (int i = 0; i < 8; ++i) EXPECT_EQ(HitArrows(list.arrows, table, down), 1);
    EXPECT_EQ(table.firstShown, 16);
    EXPECT_EQ(HitArrows(list.arrows, table, down), 1);
    EXPECT_EQ(table.firstShown, 16) << "the last entry stays visible as the first line";
    EXPECT_EQ(HitArrows(list.arrows, table, up), 1);
    EXPECT_EQ(table.firstShown, 14);

    Draw(17);
    EXPECT_TRUE(Near(LineStart(1), 242, 77, 77)) << "entry 16 on the second line";

    table.RemoveAllMoves();
    Draw(0);
    EXPECT_EQ(list.arrows.arrowsShown, 0);
    EXPECT_EQ(HitArrows(list.arrows, table, down), 0) << "hidden arrows take no clicks";
}

} // namespace
