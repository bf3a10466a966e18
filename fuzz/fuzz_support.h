#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "board/board.h"
#include "board/board_services.h"

namespace fuzz {

// A controller stand-in for a board that only reads and browses games: one
// player, no engine, no network, and no presentation.
class CQuietServices : public CBoardServices {
public:
    int PlayerMode() const override { return playerMode; }
    int PlayerColor() const override { return 0; }
    int& CurrentMove() override { return currentMove; }
    int GameLevel() const override { return 0; }
    int Animation() const override { return 0; }
    const float* BoardMatrix() const override { return matrix_; }
    int Mirror() const override { return 1; }
    int Shadows() const override { return 1; }
    int Letters() const override { return 1; }
    int DeleteFigures() const override { return 1; }
    int TexturedFigures() const override { return 0; }
    int TexturedBoard() const override { return 1; }
    std::string ProgramDirectory() const override { return "."; }
    int& GameStarted() override { return gameStarted; }
    int WaitingForPeer() const override { return 0; }
    int NetworkGame() const override { return 0; }
    int* StopThinking() override { return &stopThinking; }
    GetComputerMoveFn ComputerMoveEntry() const override { return nullptr; }
    GetCurrentStateFn CurrentStateEntry() const override { return nullptr; }
    void PlaySoundEffect(int) override {}
    void DrawFrame() override {}
    int ChoosePromotion() override { return kQueen; }
    void SendMove(int, int, int, int) override {}
    void FaceWhite() override {}
    void FaceBlack() override {}
    void AnimateMove(CFigure*, CFigure*, int, int) override {}
    void ShowCursor(bool) override {}
    void Pause(int) override {}

    int playerMode = 0;
    int currentMove = 0;
    int gameStarted = 0;
    int stopThinking = 0;

private:
    float matrix_[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

// A board with its own services and move table.
struct CQuietBoard {
    CQuietServices services;
    CMoveTable moves;
    CBoard board{services, moves};
};

// The loaders read files, so the input goes into a file of this process
// (on a memory file system when there is one). `tag` tells files apart.
std::string WriteInputFile(const uint8_t* data, size_t size, const char* tag);

// Message boxes answer at once and print nothing.
void SilenceMessageBoxes();

// The board's game-file text, as WriteText writes it.
std::string BoardText(CBoard& board);

// A property the input broke: prints it and aborts, which the fuzzer reports.
[[noreturn]] void Fail(const char* what);

} // namespace fuzz
