#pragma once

#include "app/shell/scene_renderer.h"
#include "render/board_renderer.h"
#include "render/move_list_renderer.h"
#include "render/sky.h"

class CScene;
class CFigure;

// Everything a frame shows, plugged into the scene renderer's layers: the
// sky, the board with its figures, and the move list. GL only, so the
// window and the render benchmark draw the very same picture.
class CScenePicture {
public:
    explicit CScenePicture(CScene& scene);

    CSceneRenderer& Renderer() { return renderer_; }
    CSky& Sky() { return sky_; }

    // The first call sets the sky up in the current context; later calls
    // switch to environment `number`.
    void ReloadSky(int number);
    void AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY);

private:
    CScene& scene_;
    CSceneRenderer renderer_;
    CBoardRenderer board_;
    CMoveListRenderer moveList_;
    CSky sky_;
    float skyScale_ = 0;
};
