#pragma once

#include "board/rules.h"
#include "render/board_grid.h"
#include "render/board_theme.h"
#include "render/geometry/point3d.h"
#include "render/gl/mesh_buffers.h"
#include "render/piece_meshes.h"
#include "render/pixel_scale.h"

#include <cstdint>
#include <functional>

class CBoard;
class CBoardServices;
struct CFigure;

// Blending by the fragment's alpha, and fragments without any left out.
void EnableBlending();
void DisableBlending();

// (x, y, z) -> (-y, -x, -z): a figure seen upside down under the board.
inline constexpr float kReflection[16] = {0, -1, 0, 0, -1, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};

// The centre of square (x, y) on the board plane.
inline point3d SquareCentre(int x, int y) {
    return {float(x) - 3.5f, float(y) - 3.5f, 0};
}

// Draws a board in board space (the caller has applied the camera and the
// board matrix): sides, figures with their reflections, captured figures,
// squares and their marks, shadows and coordinate glyphs; and plays the
// animation of a move. The static meshes go into display lists the first
// time they are drawn, so the calls need the context that will keep them.
class CBoardRenderer {
public:
    CBoardRenderer();
    ~CBoardRenderer();
    CBoardRenderer(const CBoardRenderer&) = delete;
    CBoardRenderer& operator=(const CBoardRenderer&) = delete;

    // "Textures\wood.bmp" for the figures, then "Textures\board.bmp" for the
    // dark squares, from the program directory. A picture that fails is
    // reported and the ones after it are not tried.
    void LoadTextures(const CBoardServices& services);
    // `background`, if any, is drawn after the solid parts (sides and
    // figures) and before the see-through squares: everything on and around
    // the board lies in front of it, and the squares blend over it. It may
    // leave culling and the texture mode as it likes.
    void DrawBoard(const CBoard& board, const CBoardServices& services,
                   const std::function<void()>& background = {});
    // Hops `figure` to square (toX, toY) in 20 frames (services.DrawFrame()
    // each) while `captured`, if any, leans over and spins up and away. The
    // figures are left where they were; the caller places them afterwards.
    void AnimateMove(CBoard& board, CBoardServices& services, CFigure* figure, CFigure* captured,
                     int toX, int toY);
    // Deletes the textures and display lists; the context must be current.
    void ReleaseGL();
    // Forgets them without GL calls, after their context was destroyed.
    void DropGL();

    // The look drawn from now on; Classic until set.
    void SetTheme(const sBoardTheme& theme) { theme_ = &theme; }
    const sBoardTheme& Theme() const { return *theme_; }
    // Device pixels per window point, for what stands at a place in the window.
    void SetPixelScale(sPixelScale px) { px_ = px; }

    unsigned int WoodTexture() const { return woodTexture_; }
    unsigned int BoardTexture() const { return boardTexture_; }
    const point3d& MovingPosition() const { return movingPosition_; }
    const CFigure* CapturedInFlight() const { return capturedInFlight_; }
    const point3d& CapturedPosition() const { return capturedPosition_; }

private:
    // Display lists: the shadow, eight letters, eight digits.
    enum : int { kShadowList = 0, kLetterLists = 1, kDigitLists = 9, kListCount = 17 };

    void BuildLists();
    void UseWood(bool wood, const float tint[3]) const;
    void DrawSides() const;
    void DrawFrame() const;
    void DrawFigures(const CBoard& board, const CBoardServices& services) const;
    void DrawCaptured(const CBoard& board) const;
    void DrawCapturedTray(const CBoard& board, const CBoardServices& services) const;
    void DrawSquares(const CBoard& board, const CBoardServices& services) const;
    // The two squares of the last move, or of a hint in a colour of its own.
    void DrawMoveOutline(const sLastMove& move, bool hint) const;
    void DrawCheck(sSquare king) const;
    void DrawShadows(const CBoard& board) const;
    void DrawGlyphs() const;
    void DrawMesh(int type, bool reflected = false) const;
    void DrawOutline(int x, int y, float z) const;
    void PlaceFigure(const CBoard& board, const CFigure& figure) const;

    const sBoardTheme* theme_ = &BoardTheme(0);
    sPixelScale px_;
    CMeshList meshes_;
    CMeshBuffers meshBuffers_[6];
    CBoardGrid grid_;
    unsigned int woodTexture_ = 0;
    unsigned int boardTexture_ = 0;
    unsigned int lists_ = 0;
    // Closed meshes wound outwards hide their own back faces, so culling
    // them halves the work. A mesh closed only once its texture seams are
    // joined showed a back face at an outline pixel or two: its figure keeps
    // them, so that the picture stays as it always was, and only its
    // reflection, seen through the squares, goes without.
    bool cullFigure_[6] = {};
    bool cullReflection_[6] = {};

    point3d movingPosition_{};
    const CFigure* capturedInFlight_ = nullptr;
    point3d capturedPosition_{};
    float spin_[16];
};
