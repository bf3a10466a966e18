#include "app/shell/scene_picture.h"

#include "app/controller/scene.h"
#include "render/board_theme.h"

CScenePicture::CScenePicture(CScene& scene)
    : scene_(scene), renderer_(scene),
      moveList_([&scene](int x, int y) { return scene.WindowToWorld(x, y); }) {
    CSceneRenderer::sLayers& layers = renderer_.Layers();
    // The controller selects its sky before the first rendering set-up, which
    // then finds the pictures loaded.
    layers.setUpSky = [this] {
        if (!sky_.TexturesLoaded()) sky_.LoadTextures();
    };
    layers.drawSky = [this] {
        // Classic's sky is a ball around the board; a larger one puts the
        // camera inside it.
        const float scale = BoardTheme(scene_.settings.boardTheme).skyScale;
        if (scale != skyScale_) sky_.SetScale(skyScale_ = scale);
        sky_.Draw();
    };
    layers.setUpBoardTextures = [this] { board_.LoadTextures(scene_.BoardServices()); };
    layers.drawBoard = [this](const std::function<void()>& background) {
        board_.SetTheme(BoardTheme(scene_.settings.boardTheme));
        board_.SetPixelScale({scene_.pixelRatio});
        board_.DrawBoard(scene_.board, scene_.BoardServices(), background);
    };
    layers.drawMoveList = [this] {
        const CBoard& board = scene_.board;
        const bool ended = board.gameOver && board.result.IsOver();
        moveList_.Draw(scene_.moveTable, board.moveCount, scene_.viewWidth, scene_.viewHeight,
                       {scene_.pixelRatio}, scene_.MoveNotation(),
                       ended ? ResultTag(board.result.outcome) : "");
        // The controller hit-tests the arrows before a click reaches the board.
        scene_.moveListArrows = moveList_.arrows;
    };
}

void CScenePicture::ReloadSky(int number) {
    if (sky_.Initialised()) {
        sky_.SelectEnvironment(number);
        return;
    }
    sky_.SetScale(skyScale_ = BoardTheme(0).skyScale);
    sky_.Init(scene_.startupDir, scene_.settings.skyNumber);
}

void CScenePicture::AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) {
    board_.AnimateMove(scene_.board, scene_.BoardServices(), figure, captured, toX, toY);
}
