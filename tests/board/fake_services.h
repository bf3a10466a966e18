#pragma once

#include <array>
#include <ostream>
#include <vector>

#include "board/board.h"
#include "board/board_services.h"

inline void PrintTo(const sSquare& s, std::ostream* os) {
    *os << "(" << s.x << ", " << s.y << ")";
}

using sFields = std::array<int32_t, 4>;
inline sFields Fields(const CFigure& f) {
    return {f.type, f.color, f.x, f.y};
}

// A controller stand-in that records what the board asks of it.
struct CFakeServices : CBoardServices {
    struct sAnimation {
        CFigure* figure;
        CFigure* captured;
        int toX;
        int toY;
        sSquare from; // the figure's square when the animation started
    };

    int playerMode = 1;
    int playerColor = 0;
    int currentMove = 0;
    int gameLevel = 0;
    int animation = 0;
    float matrix[16] = {};
    int gameStarted = 0;
    int waitingForPeer = 0;
    int networkGame = 0;
    int stopThinking = 0;

    int frames = 0;
    std::vector<int> sounds;
    std::vector<int> pauses;
    std::vector<bool> cursor;
    std::vector<sAnimation> animations;

    int PlayerMode() const override { return playerMode; }
    int PlayerColor() const override { return playerColor; }
    int& CurrentMove() override { return currentMove; }
    int GameLevel() const override { return gameLevel; }
    int Animation() const override { return animation; }
    const float* BoardMatrix() const override { return matrix; }
    int Mirror() const override { return 1; }
    int Shadows() const override { return 1; }
    int Letters() const override { return 1; }
    int DeleteFigures() const override { return 1; }
    int TexturedFigures() const override { return 0; }
    int TexturedBoard() const override { return 1; }
    std::string ProgramDirectory() const override { return "."; }
    int& GameStarted() override { return gameStarted; }
    int WaitingForPeer() const override { return waitingForPeer; }
    int NetworkGame() const override { return networkGame; }
    int* StopThinking() override { return &stopThinking; }
    GetComputerMoveFn ComputerMoveEntry() const override { return nullptr; }
    GetCurrentStateFn CurrentStateEntry() const override { return nullptr; }
    void PlaySoundEffect(int effect) override { sounds.push_back(effect); }
    void DrawFrame() override { ++frames; }
    int ChoosePromotion() override { return kQueen; }
    void SendMove(int, int, int, int) override {}
    void FaceWhite() override {}
    void FaceBlack() override {}
    void AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) override {
        sSquare from = figure ? sSquare{figure->x, figure->y} : sSquare{-1, -1};
        animations.push_back({figure, captured, toX, toY, from});
    }
    void ShowCursor(bool shown) override { cursor.push_back(shown); }
    void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
};

// A board with its own controller stand-in and move table.
struct CBoardFixture {
    CFakeServices services;
    CMoveTable moves;
    CBoard board{services, moves};

    CFigure* Put(int32_t type, int32_t color, int32_t x, int32_t y) {
        return board.AddFigure(type, color, x, y);
    }

    std::vector<sSquare> TargetsOf(int32_t x, int32_t y) {
        board.selectedFigure = board.FigureAt(x, y);
        board.BuildTargets();
        return board.targets;
    }
};
