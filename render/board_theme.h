#pragma once

// How the board and its figures look. Every value of a look lives in its
// row of one table, so another look is one more row.
struct sRgba {
    float r, g, b, a;
};

struct sBoardTheme {
    const char* name; // as the Settings menu shows it

    // The board's edge: the four corner colours of every side quad, blended
    // smoothly; or, with wooden sides, the wood picture tinted by the first.
    float sideColours[4][3];
    bool woodenSides;
    // A wooden frame of this width around the squares (0: none); the sides
    // hang from its outer edge.
    float frameWidth;
    float frameTint[3];

    sRgba lightSquare, darkSquare, outline, lastMove, selected, target;
    // With Textured Board: wood on every square, tinted by the square's
    // colour; otherwise the board picture on the dark squares only.
    bool woodenSquares;

    // The coordinate glyphs: colour, the line the letters stand on (their
    // baseline's y) and the x the digits are centred on; the digits'
    // baseline lies `digitDrop` below the middle of their rank.
    sRgba glyph;
    float letterY, digitX, digitDrop;

    float whiteFigure[3], blackFigure[3];
    // Captured figures beside the board's files, turning with it; or in
    // a tray at the window's left edge, upright whatever the camera does.
    bool capturedInTray;

    // The sky's size (10 puts its corners at distance 10) and the far plane.
    float skyScale;
    double farPlane;
    // The Smooth Edges setting that choosing this look sets.
    int smoothEdges;
};

inline constexpr int kBoardThemeCount = 2;

// Theme `index` of the table; an index outside it means the first, Classic.
int BoardThemeIndex(int index);
const sBoardTheme& BoardTheme(int index);
