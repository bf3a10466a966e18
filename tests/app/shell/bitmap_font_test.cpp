#include "platform/bitmap_font.h"

#include "app/shell/gl_surface.h"
#include "shell_fixture.h"

#include <GL/gl.h>

#include <vector>

namespace {

struct sInk {
    int pixels = 0, top = -1, bottom = -1, left = -1, right = -1;
};

// Draws `text` at (x, 50) of an orthographic 300 x 100 view and measures the ink.
sInk DrawAndMeasure(const char* text, int length, unsigned base) {
    glViewport(0, 0, 300, 100);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 300, 0, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glRasterPos2i(10, 50);
    glListBase(base);
    glCallLists(length, GL_UNSIGNED_BYTE, text);
    std::vector<unsigned char> rgba(300 * 100 * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 300, 100, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    sInk ink;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            if (rgba[static_cast<size_t>((y * 300 + x) * 4)] > 128) {
                ++ink.pixels;
                if (ink.top < 0 || y > ink.top) ink.top = y;
                if (ink.bottom < 0 || y < ink.bottom) ink.bottom = y;
                if (ink.left < 0 || x < ink.left) ink.left = x;
                if (x > ink.right) ink.right = x;
            }
    return ink;
}

} // namespace

TEST(Windows1252, MapsTheHighControlRangeToItsCharacters) {
    EXPECT_EQ(platform::Windows1252ToUnicode(0x41), u'A');
    EXPECT_EQ(platform::Windows1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(platform::Windows1252ToUnicode(0x96), u'\u2013');
    EXPECT_EQ(platform::Windows1252ToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(platform::Windows1252ToUnicode(0x81), u'\u0081');
    EXPECT_EQ(platform::Windows1252ToUnicode(0xE9), u'\u00E9');
}

TEST_F(ShellTest, FontListsDrawGlyphsOfTheCellHeightOnTheBaseline) {
    CGLSurface surface;
    surface.resize(300, 100);
    ASSERT_EQ(surface.CreateContext(), "");
    ASSERT_TRUE(platform::UseFontBitmaps({"Arial", 30, 700, false}, 5000));

    const sInk capital = DrawAndMeasure("H", 1, 5000);
    ASSERT_GT(capital.pixels, 0);
    EXPECT_EQ(capital.bottom, 50); // sits on the raster position's baseline
    const int capHeight = capital.top - capital.bottom + 1;
    EXPECT_GE(capHeight, 18); // about 0.72 of the 27-pixel em of a 30-pixel cell
    EXPECT_LE(capHeight, 22);

    const sInk descender = DrawAndMeasure("g", 1, 5000);
    EXPECT_LT(descender.bottom, 50);

    // Each list moves the raster position on: two letters reach further.
    const sInk two = DrawAndMeasure("HH", 2, 5000);
    EXPECT_GT(two.right, capital.right + 15);

    EXPECT_EQ(DrawAndMeasure(" ", 1, 5000).pixels, 0);
    EXPECT_GT(DrawAndMeasure("\x80", 1, 5000).pixels, 0); // the euro sign
    glDeleteLists(5000, 255);
}

TEST_F(ShellTest, TextAdvanceAddsTheGlyphAdvances) {
    const platform::BitmapFontRequest font{"Arial", 30, 700, false};
    const int one = platform::TextAdvance(font, "0");
    EXPECT_GT(one, 10);
    EXPECT_EQ(platform::TextAdvance(font, "000"), 3 * one);
    EXPECT_EQ(platform::TextAdvance(font, ""), 0);
}

TEST(BitmapFont, RefusesWithoutAContextOrWithABadRange) {
    EXPECT_FALSE(platform::UseFontBitmaps({"Arial", 30, 700, false}, 5000, 250, 10));
}
