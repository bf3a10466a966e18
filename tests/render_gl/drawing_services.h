#pragma once

#include "support/stub_board_services.h"

#include <functional>

// The controller as the drawing sees it: every switch off until a test flips
// it, animation on, and a hook into each frame.
struct CDrawingServices : CStubBoardServices {
    std::function<void()> onFrame;
    int frames = 0;

    CDrawingServices() {
        animation = 1;
        mirror = shadows = letters = deleteFigures = 0;
        texturedFigures = texturedBoard = 0;
        directory = TAVLION_SOURCE_DIR "/assets/data";
    }

    void DrawFrame() override {
        ++frames;
        if (onFrame) onFrame();
    }
};
