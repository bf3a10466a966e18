#include "platform/bitmap_font.h"

#include <GL/gl.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <vector>

namespace platform {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned codes keep their value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Windows sizes a font by its cell (ascent + descent), Qt by its em square.
QFont FontWithCellHeight(const BitmapFontRequest& request) {
    QFont font(QString::fromStdString(request.family));
    font.setWeight(static_cast<QFont::Weight>(request.weight));
    font.setItalic(request.italic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    const int cell = request.height < 0 ? -request.height : request.height;
    font.setPixelSize(cell > 0 ? cell : 1);
    if (request.height > 0) {
        const QFontMetrics metrics(font);
        const int measured = metrics.ascent() + metrics.descent();
        if (measured > 0 && measured != cell)
            font.setPixelSize(std::max(1, (cell * cell + measured / 2) / measured));
    }
    return font;
}

// One glyph as a glBitmap: rows bottom-up, most significant bit first.
struct GlyphBitmap {
    int width = 0, height = 0;
    float xorig = 0, yorig = 0, advance = 0;
    std::vector<GLubyte> bits;
};

GlyphBitmap RasteriseGlyph(const QFont& font, const QFontMetrics& metrics, QChar ch) {
    GlyphBitmap glyph;
    glyph.advance = static_cast<float>(metrics.horizontalAdvance(ch));
    const QRect box = metrics.boundingRect(ch);
    if (ch.category() == QChar::Other_Control || box.isEmpty()) return glyph;

    QImage image(box.size(), QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(-box.left(), -box.top(), QString(ch));
    }
    glyph.width = box.width();
    glyph.height = box.height();
    glyph.xorig = static_cast<float>(-box.left());
    glyph.yorig = static_cast<float>(box.bottom() + 1);
    const int stride = (glyph.width + 7) / 8;
    glyph.bits.assign(static_cast<size_t>(stride * glyph.height), 0);
    for (int row = 0; row < glyph.height; ++row) {
        const uchar* line = image.constScanLine(glyph.height - 1 - row);
        GLubyte* out = glyph.bits.data() + row * stride;
        for (int x = 0; x < glyph.width; ++x)
            if (line[x] >= 128) out[x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
    }
    return glyph;
}

} // namespace

char16_t Windows1252ToUnicode(unsigned char code) {
    return code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : char16_t(code);
}

int TextAdvance(const BitmapFontRequest& request, const std::string& text) {
    if (!qGuiApp) return 0;
    const QFontMetrics metrics(FontWithCellHeight(request));
    int advance = 0;
    for (const char c : text)
        advance +=
            metrics.horizontalAdvance(QChar(Windows1252ToUnicode(static_cast<unsigned char>(c))));
    return advance;
}

bool UseFontBitmaps(const BitmapFontRequest& request, unsigned listBase, int first, int count) {
    if (!qGuiApp || count <= 0 || first < 0 || first + count > 256) return false;
    if (!glGetString(GL_VERSION)) return false;
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }

    // Some drivers refuse a null bitmap even for an empty glyph.
    static const GLubyte kNoBits = 0;
    const QFont font = FontWithCellHeight(request);
    const QFontMetrics metrics(font);

    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    for (int i = 0; i < count; ++i) {
        const auto code = static_cast<unsigned char>(first + i);
        const GlyphBitmap glyph = RasteriseGlyph(font, metrics, QChar(Windows1252ToUnicode(code)));
        glNewList(listBase + static_cast<unsigned>(i), GL_COMPILE);
        glBitmap(glyph.width, glyph.height, glyph.xorig, glyph.yorig, glyph.advance, 0.0f,
                 glyph.bits.empty() ? &kNoBits : glyph.bits.data());
        glEndList();
    }
    glPopClientAttrib();
    return glGetError() == GL_NO_ERROR;
}

} // namespace platform
