#include "render/move_list_renderer.h"

#include "board/move_table.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr float kPlayedColour[3] = {0.95f, 0.3f, 0.3f};
constexpr float kLineColour[3] = {0.3f, 0.95f, 0.3f};
constexpr float kArrowColour[3] = {1, 1, 0.3f};
constexpr int kLineHeight = 20;
constexpr int kFirstLineY = 100;
constexpr int kTextLeftOfEdge = 200;

void Vertex(const point3d& p) {
    glVertex3f(p.x, p.y, p.z);
}

std::string Format(const char* format, const auto&... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    std::string text(std::size_t(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

} // namespace

std::string CMoveListRenderer::LineText(const CMoveTable& table, int firstShown, int s,
                                        std::string& whiteLine) {
    const sMove* entry = table.entries[s];
    const char* move = entry ? entry->text.c_str() : "";
    if (s % 2 == 0) return whiteLine = Format("%d. %s", s / 2 + 1, move);
    if (s == firstShown) whiteLine.clear();
    return Format("%s : %s", whiteLine.c_str(), move);
}

std::string CMoveListRenderer::NotationLineText(const sMoveNotation& notation, int firstShown,
                                                int s, std::string& whiteLine) {
    const size_t entry = size_t(s);
    const char* move = entry < notation.texts.size() ? notation.texts[entry].c_str() : "";
    const int ply = s + notation.firstSide;
    const int number = notation.firstNumber + ply / 2;
    if (ply % 2 == 0) return whiteLine = Format("%d. %s", number, move);
    if (s == firstShown) return Format("%d. ... %s", number, move);
    return Format("%s %s", whiteLine.c_str(), move);
}

bool CMoveListRenderer::NeedsArrows(int entryCount, int viewHeight) {
    return entryCount / 2 >= (viewHeight - 70) / kLineHeight;
}

void CMoveListRenderer::Draw(const CMoveTable& table, int moveCount, int viewWidth, int viewHeight,
                             sPixelScale px, const sMoveNotation* notation,
                             const std::string& endLine) {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDepthFunc(GL_ALWAYS);
    glListBase(kFontBase);

    const int count = table.entries.Count();
    const int first = std::max(table.firstShown, 0);
    // In standard notation a line holds White's move and Black's reply, so
    // a game that Black begins starts its first line with Black's move.
    const int shift = notation ? notation->firstSide : 0;
    const int firstLine = notation ? (first + shift) / 2 : 0;
    std::string whiteLine;
    for (int s = first; s < count; ++s) {
        const std::string line = notation ? NotationLineText(*notation, first, s, whiteLine)
                                          : LineText(table, first, s, whiteLine);
        const int row = notation ? (s + shift) / 2 - firstLine : (s - first) / 2;
        glColor3fv(s == moveCount - 1 ? kPlayedColour : kLineColour);
        DrawText(line, viewWidth - px(kTextLeftOfEdge), px(row * kLineHeight + kFirstLineY));
    }
    if (!endLine.empty()) {
        const int line = count > first ? (count - 1 - first) / 2 + 1 : 0;
        glColor3fv(kArrowColour);
        DrawText(endLine, viewWidth - px(kTextLeftOfEdge), px(line * kLineHeight + kFirstLineY));
    }

    arrows.arrowsShown = 0;
    if (NeedsArrows(count + shift, px.Points(viewHeight))) {
        arrows.arrowsShown = 1;
        StoreArrows(viewWidth, viewHeight, px);
        glColor3fv(kArrowColour);
        glBegin(GL_TRIANGLES);
        for (const point3d* arrow : {arrows.up, arrows.down})
            for (int k = 0; k < 3; ++k) Vertex(arrow[k]);
        glEnd();
    }

    glEnable(GL_CULL_FACE);
    glDepthFunc(GL_LEQUAL);
}

void CMoveListRenderer::StoreArrows(int w, int h, sPixelScale px) {
    arrows.up[0] = windowToWorld_(w - px(25), px(100));
    arrows.up[1] = windowToWorld_(w - px(12), px(70));
    arrows.up[2] = windowToWorld_(w, px(100));
    arrows.down[0] = windowToWorld_(w - px(25), h - px(30));
    arrows.down[1] = windowToWorld_(w - px(12), h);
    arrows.down[2] = windowToWorld_(w, h - px(30));
}

void CMoveListRenderer::DrawText(const std::string& text, int windowX, int windowY) const {
    const point3d at = windowToWorld_(windowX, windowY);
    glRasterPos3f(at.x, at.y, at.z);
    glCallLists(GLsizei(text.size()), GL_UNSIGNED_BYTE, text.data());
}
