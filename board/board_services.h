#pragma once

#include <string>

#include "engine/engine_api.h"

// What the board asks of the game controller that owns it: settings (named by
// their INI keys), the flags of the game in progress, the engine entry
// points, and the presentation around a move.
class CBoardServices {
public:
    virtual ~CBoardServices() = default;

    virtual int PlayerMode() const = 0;               // "Player Mode": 0 one player, 1 two
    virtual int PlayerColor() const = 0;              // "Player Color"
    virtual int& CurrentMove() = 0;                   // "Current Move"
    virtual int GameLevel() const = 0;                // "Game Level"
    virtual int Animation() const = 0;                // "Animation"
    virtual const float* BoardMatrix() const = 0;     // "Matrix": 16 floats, column-major
    virtual int Mirror() const = 0;                   // "Mirror"
    virtual int Shadows() const = 0;                  // "Shadows"
    virtual int Letters() const = 0;                  // "Letters"
    virtual int DeleteFigures() const = 0;            // "Delete Figures"
    virtual int TexturedFigures() const = 0;          // "Textured Figures"
    virtual int TexturedBoard() const = 0;            // "Textured Board"
    virtual std::string ProgramDirectory() const = 0; // holds "Textures"

    virtual int& GameStarted() = 0;
    virtual int WaitingForPeer() const = 0;
    virtual int NetworkGame() const = 0;
    virtual int* StopThinking() = 0; // handed to the engine, which polls it

    // Null while the engine library is missing.
    virtual GetComputerMoveFn ComputerMoveEntry() const = 0;
    virtual GetCurrentStateFn CurrentStateEntry() const = 0;

    virtual void PlaySoundEffect(int effect) = 0; // 0 move, 1 check, 2 end of game
    virtual void DrawFrame() = 0;                 // renders one frame at once
    virtual int ChoosePromotion() = 0;            // modal chooser; its promotionType
    virtual void SendMove(int fromX, int fromY, int toX, int toY) = 0;
    virtual void FaceWhite() = 0;
    virtual void FaceBlack() = 0;
    virtual void AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) = 0;
    virtual void ShowCursor(bool shown) = 0;
    virtual void Pause(int milliseconds) = 0; // between the positions of a replay
    // A move of `mover` stands on the board (the clocks add its increment).
    virtual void MoveMade(int32_t mover) { (void)mover; }
    // The engine starts or stops thinking about its move.
    virtual void ThinkingChanged(bool thinking) { (void)thinking; }
};
