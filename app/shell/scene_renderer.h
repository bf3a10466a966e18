#pragma once

#include "render/gl/multisample_target.h"
#include "render/pixel_scale.h"

#include <QImage>

#include <functional>

class CScene;

// The GL side of the controller: the global rendering state, the camera
// matrices and the order in which one frame is drawn. The layers that other
// parts of the program draw (sky, board and figures, move list) plug in as
// hooks; without a board layer a plain chequered board stands in.
class CSceneRenderer {
public:
    // The set-up hooks make GL resources (pictures) that last as long as the
    // context, so they run with the first InitGL only.
    struct sLayers {
        std::function<void()> setUpSky;           // pictures of the sky
        std::function<void()> setUpBoardTextures; // textures of the board
        std::function<void()> drawSky;
        // Board, figures, reflections, shadows; it calls `background` (the
        // sky) once its solid parts are drawn, so that the depth test spares
        // the sky's pixels behind them.
        std::function<void(const std::function<void()>& background)> drawBoard;
        std::function<void()> drawMoveList;
    };

    // One renderer draws in one GL context, for the context's whole life.
    explicit CSceneRenderer(CScene& scene) : scene_(scene) {}

    sLayers& Layers() { return layers_; }

    // The global rendering state and the camera; the layers' resources the
    // first time.
    void InitGL();
    void ApplyCamera();
    // A new size changes the viewport and the projection only.
    void Resize(int width, int height);
    // Everything of a frame but the swap; with Smooth Edges drawn
    // multisampled where the GL can.
    void DrawFrame();
    void DrawClocks();
    // The back buffer as an image, top row first.
    static QImage ReadFrame(int width, int height);

    // The clock and move-list fonts (bases 1000 and 2000).
    void CreateFonts();
    void DeleteFonts();

    static constexpr unsigned kClockFontBase = 1000;
    static constexpr unsigned kMoveListFontBase = 2000;
    static constexpr int kFontListCount = 255;

private:
    void DrawPlaceholderBoard();
    void DrawText(const char* text, int windowX, int windowY);

    CScene& scene_;
    sLayers layers_;
    CMultisampleTarget multisample_; // Smooth Edges
    bool fontsBuilt_ = false;
    sPixelScale fontScale_; // the pixel ratio the fonts were built for
    bool resourcesReady_ = false;
};
