#include "board/board.h"
#include "board/board_services.h"
#include "render/board_renderer.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Beside the board: pawns in the inner column, the others in the outer one,
// one square apart.
struct sCapturedRow {
    float pawnX, otherX, firstY, stepY;
};
constexpr sCapturedRow kCapturedBlackRow = {4.5f, 4.9f, -3.5f, 1};
constexpr sCapturedRow kCapturedWhiteRow = {-4.6f, -5.0f, 3.5f, -1};

// The tray: four columns (Black's pawns and other figures, then White's)
// at the window's left edge, below the clocks' band; sizes in points.
constexpr int kTrayTop = 48, kTrayBottom = 8, kTrayLeft = 6;
constexpr int kTrayRows = 8;
// Board units per column and per row.
constexpr float kColumnWidth = 0.62f, kRowUnits = 1.2f;
// Figures lean back so they are seen from a little above.
constexpr float kTrayTilt = -58;

} // namespace

void CBoardRenderer::DrawCaptured(const CBoard& board) const {
    glEnable(GL_LIGHTING);
    const auto drawRow = [this](const CFigureList& list, const sCapturedRow& row,
                                const float* colour) {
        int pawns = 0, others = 0;
        glColor3fv(colour);
        for (const CFigure* figure : list) {
            const bool pawn = figure->type == kPawn;
            const int n = pawn ? pawns++ : others++;
            glPushMatrix();
            glTranslatef(pawn ? row.pawnX : row.otherX, row.firstY + row.stepY * float(n), 0);
            DrawMesh(figure->type);
            glPopMatrix();
        }
    };
    drawRow(board.capturedBlack, kCapturedBlackRow, theme_->blackFigure);
    drawRow(board.capturedWhite, kCapturedWhiteRow, theme_->whiteFigure);
}

// Upright in window space, so that no turn of the board or the camera takes
// them out of the picture, and at the left, away from the move list.
void CBoardRenderer::DrawCapturedTray(const CBoard& board, const CBoardServices& services) const {
    if (board.capturedBlack.Empty() && board.capturedWhite.Empty()) return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int height = viewport[3];
    const auto count = [](const CFigureList& list, bool pawns) {
        return int(std::count_if(list.begin(), list.end(), [pawns](const CFigure* f) {
            return (f->type == kPawn) == pawns;
        }));
    };
    const int rows =
        std::max({kTrayRows, count(board.capturedBlack, true), count(board.capturedBlack, false),
                  count(board.capturedWhite, true), count(board.capturedWhite, false)});
    const float rowPixels = float(height - px_(kTrayTop) - px_(kTrayBottom)) / float(rows);
    if (rowPixels <= 1) return;
    const float unit = rowPixels / kRowUnits; // pixels per board unit
    const int width = int(4 * kColumnWidth * unit) + 2 * px_(kTrayLeft);

    // The tray's own depth, in front of everything drawn so far.
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport[0], viewport[1], width, height);
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    // Board units about the tray's top left corner; lighting stays in the
    // camera's space, where the lights were placed.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, height, -1000, 1000);
    glTranslatef(float(px_(kTrayLeft)), float(height - px_(kTrayTop)), 0);
    glScalef(unit, unit, unit);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();

    glEnable(GL_LIGHTING);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, woodTexture_);
    if (services.TexturedFigures())
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    const auto drawColumns = [&](const CFigureList& list, int firstColumn, const float* colour) {
        int pawns = 0, others = 0;
        glColor3fv(colour);
        for (const CFigure* figure : list) {
            const bool pawn = figure->type == kPawn;
            const int n = pawn ? pawns++ : others++;
            const int column = firstColumn + (pawn ? 0 : 1);
            glLoadIdentity();
            // Lower rows stand nearer, in front of the ones above them.
            glTranslatef((float(column) + 0.5f) * kColumnWidth, -(float(n) + 1) * kRowUnits,
                         float(n));
            glRotatef(kTrayTilt, 1, 0, 0);
            DrawMesh(figure->type);
        }
    };
    drawColumns(board.capturedBlack, 0, theme_->blackFigure);
    drawColumns(board.capturedWhite, 2, theme_->whiteFigure);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
