#pragma once

#include "board/board_services.h"

#include <functional>
#include <string>

// The controller as the drawing sees it: switches to flip and a frame hook.
struct CDrawingServices : CBoardServices {
    int mirror = 0, shadows = 0, letters = 0, deleteFigures = 0;
    int texturedFigures = 0, texturedBoard = 0;
    std::string directory = TAVLION_SOURCE_DIR "/assets/data";
    int currentMove = 0, gameStarted = 0, stopThinking = 0;
    std::function<void()> onFrame;
    int frames = 0;

    int PlayerMode() const override { return 1; }
    int PlayerColor() const override { return 0; }
    int& CurrentMove() override { return currentMove; }
    int GameLevel() const override { return 0; }
    int Animation() const override { return 1; }
    const float* BoardMatrix() const override { return nullptr; }
    int Mirror() const override { return mirror; }
    int Shadows() const override { return shadows; }
    int Letters() const override { return letters; }
    int DeleteFigures() const override { return deleteFigures; }
    int TexturedFigures() const override { return texturedFigures; }
    int TexturedBoard() const override { return texturedBoard; }
    std::string ProgramDirectory() const override { return directory; }
    int& GameStarted() override { return gameStarted; }
    int WaitingForPeer() const override { return 0; }
    int NetworkGame() const override { return 0; }
    int* StopThinking() override { return &stopThinking; }
    GetComputerMoveFn ComputerMoveEntry() const override { return nullptr; }
    GetCurrentStateFn CurrentStateEntry() const override { return nullptr; }
    void PlaySoundEffect(int) override {}
    void DrawFrame() override {
        ++frames;
        if (onFrame) onFrame();
    }
    int ChoosePromotion() override { return 5; }
    void SendMove(int, int, int, int) override {}
    void FaceWhite() override {}
    void FaceBlack() override {}
    void AnimateMove(CFigure*, CFigure*, int, int) override {}
    void ShowCursor(bool) override {}
    void Pause(int) override {}
};
