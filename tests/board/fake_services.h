#pragma once

#include <array>
#include <ostream>
#include <vector>

#include "board/board.h"
#include "support/stub_board_services.h"

inline void PrintTo(const sSquare& s, std::ostream* os) {
    *os << "(" << s.x << ", " << s.y << ")";
}

using sFields = std::array<int32_t, 4>;
inline sFields Fields(const CFigure& f) {
    return {f.type, f.color, f.x, f.y};
}

// A controller stand-in that records what the board asks of it.
struct CFakeServices : CStubBoardServices {
    struct sAnimation {
        CFigure* figure;
        CFigure* captured;
        int toX;
        int toY;
        sSquare from; // the figure's square when the animation started
    };

    float matrix[16] = {};
    int frames = 0;
    std::vector<int> sounds;
    std::vector<int> pauses;
    std::vector<bool> cursor;
    std::vector<sAnimation> animations;

    CFakeServices() { boardMatrix = matrix; }
    CFakeServices(const CFakeServices&) = delete;
    CFakeServices& operator=(const CFakeServices&) = delete;

    void PlaySoundEffect(int effect) override { sounds.push_back(effect); }
    void DrawFrame() override { ++frames; }
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
