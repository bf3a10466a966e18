#pragma once

#include <string>

namespace platform {

struct BitmapFontRequest {
    std::string family;
    int height = 0;   // Windows sense: positive is the cell height in pixels
    int weight = 400; // 100..900, 700 is bold
    bool italic = false;
};

// Builds `count` display lists at `listBase`, one per character code from
// `first` on, each drawing its glyph with glBitmap at the raster position and
// moving the position by the glyph's advance. Codes are read as Windows-1252.
// Needs a current GL context and a running QGuiApplication; returns false
// (building nothing) without them.
bool UseFontBitmaps(const BitmapFontRequest& font, unsigned listBase, int first = 0,
                    int count = 255);

// How far the lists of `font` move the raster position for `text`: the sum
// of the glyph advances, in pixels. 0 without a running QGuiApplication.
int TextAdvance(const BitmapFontRequest& font, const std::string& text);

// The Unicode character a Windows-1252 byte stands for (undefined codes map
// to themselves).
char16_t Windows1252ToUnicode(unsigned char code);

} // namespace platform
