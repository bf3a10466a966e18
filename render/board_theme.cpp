#include "render/board_theme.h"

namespace {

constexpr sBoardTheme kThemes[kBoardThemeCount] = {
    {
        .name = "Classic",
        .sideColours = {{0.6f, 0, 0}, {0.6f, 0.6f, 0}, {0, 0.6f, 0.6f}, {0.6f, 0, 0.6f}},
        .woodenSides = false,
        .frameWidth = 0,
        .frameTint = {0, 0, 0},
        .lightSquare = {214 / 255.0f, 171 / 255.0f, 123 / 255.0f, 0.75f},
        .darkSquare = {140 / 255.0f, 123 / 255.0f, 129 / 255.0f, 0.75f},
        .outline = {0.15f, 0.75f, 0.15f, 0.75f},
        .lastMove = {0.75f, 0.15f, 0.15f, 0.75f},
        .selected = {1, 1, 0, 0.75f},
        .target = {1, 1, 1, 0.75f},
        .woodenSquares = false,
        .glyph = {1, 0.1f, 1, 1},
        .letterY = -4,
        .digitX = -3.9f,
        .digitDrop = 0,
        .whiteFigure = {1, 1, 1},
        .blackFigure = {0.5f, 0.5f, 0.5f},
        .capturedInTray = false,
        .skyScale = 10,
        .farPlane = 30,
        .smoothEdges = 0,
    },
    {
        .name = "Tournament",
        .sideColours = {{0.55f, 0.38f, 0.24f}, {}, {}, {}},
        .woodenSides = true,
        .frameWidth = 0.55f,
        .frameTint = {0.78f, 0.56f, 0.36f},
        .lightSquare = {0.93f, 0.85f, 0.70f, 0.82f},
        .darkSquare = {0.62f, 0.42f, 0.27f, 0.82f},
        .outline = {0.36f, 0.24f, 0.15f, 0.5f},
        .lastMove = {0.85f, 0.62f, 0.18f, 0.9f},
        .selected = {0.98f, 0.86f, 0.35f, 0.85f},
        .target = {0.80f, 0.90f, 0.62f, 0.85f},
        .woodenSquares = true,
        .glyph = {0.16f, 0.11f, 0.07f, 1},
        .letterY = -4.41f,
        .digitX = -4.275f,
        .digitDrop = 0.14f,
        .whiteFigure = {1, 0.94f, 0.80f},
        .blackFigure = {0.26f, 0.21f, 0.18f},
        .capturedInTray = true,
        .skyScale = 40,
        .farPlane = 100,
        .smoothEdges = 1,
    },
};

} // namespace

int BoardThemeIndex(int index) {
    return index >= 0 && index < kBoardThemeCount ? index : 0;
}

const sBoardTheme& BoardTheme(int index) {
    return kThemes[BoardThemeIndex(index)];
}
