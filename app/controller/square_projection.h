#pragma once

class CScene;

struct sWindowPoint {
    int x, y;
};

// Where the centre of square (x, y) appears in the view, in the pixels the
// view's picking takes: the inverse of WindowToWorld followed by the board's
// ray through that point. False when the square lies behind the camera.
bool SquareToWindow(const CScene& scene, int x, int y, sWindowPoint& pixel);
