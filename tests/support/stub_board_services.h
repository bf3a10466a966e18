#pragma once

#include "board/board_services.h"

#include <string>

// A controller stand-in for code that drives or draws a board without the
// program: every setting is a field to flip, every presentation call a no-op
// that a test may override to record it.
struct CStubBoardServices : CBoardServices {
    int playerMode = 1, playerColor = 0, currentMove = 0, gameLevel = 0, animation = 0;
    const float* boardMatrix = nullptr;
    int mirror = 1, shadows = 1, letters = 1, deleteFigures = 1;
    int texturedFigures = 0, texturedBoard = 1;
    std::string directory = ".";
    int gameStarted = 0, waitingForPeer = 0, networkGame = 0, stopThinking = 0;
    int promotionType = 5; // a queen

    int PlayerMode() const override { return playerMode; }
    int PlayerColor() const override { return playerColor; }
    int& CurrentMove() override { return currentMove; }
    int GameLevel() const override { return gameLevel; }
    int Animation() const override { return animation; }
    const float* BoardMatrix() const override { return boardMatrix; }
    int Mirror() const override { return mirror; }
    int Shadows() const override { return shadows; }
    int Letters() const override { return letters; }
    int DeleteFigures() const override { return deleteFigures; }
    int TexturedFigures() const override { return texturedFigures; }
    int TexturedBoard() const override { return texturedBoard; }
    std::string ProgramDirectory() const override { return directory; }
    int& GameStarted() override { return gameStarted; }
    int WaitingForPeer() const override { return waitingForPeer; }
    int NetworkGame() const override { return networkGame; }
    int* StopThinking() override { return &stopThinking; }
    GetComputerMoveFn ComputerMoveEntry() const override { return nullptr; }
    GetCurrentStateFn CurrentStateEntry() const override { return nullptr; }
    void PlaySoundEffect(int) override {}
    void DrawFrame() override {}
    int ChoosePromotion() override { return promotionType; }
    void SendMove(int, int, int, int) override {}
    void FaceWhite() override {}
    void FaceBlack() override {}
    void AnimateMove(CFigure*, CFigure*, int, int) override {}
    void ShowCursor(bool) override {}
    void Pause(int) override {}
};
