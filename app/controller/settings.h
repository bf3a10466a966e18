#pragma once

#include "config/str.h"
#include "render/geometry/point3d.h"

// The camera's distance from its target at the start: |(0, 8, 8)|, as the
// settings file writes it back.
inline constexpr float kStandardCameraDistance = 11.313708f;

// The settings of the game, bound by key to the settings file and to every
// game file. Defaults are the values before any document is loaded.
struct sSettings {
    int music = 1;
    int soundEffects = 1;
    int gameLevel = 0;  // 0 Easy, 1 Medium, 2 Difficult
    int playerMode = 0; // 0 one player, 1 two players
    int playerColor = 0;
    int currentMove = 0;     // colour the local user may move now
    float matrix[16] = {};   // board orientation, column-major
    point3d eye = {0, 8, 8}; // camera position
    int mirror = 1;
    float yAngle = 0; // accumulated camera tilt, radians
    int skyNumber = 0;
    int skyFlague = 1; // draw the sky
    int animation = 1;
    int shadows = 1;
    int letters = 1;
    int deleteFigures = 1; // draw the captured figures
    int texturedFigures = 0;
    int texturedBoard = 1;
    int timer = 1; // draw the clocks
    Str nickname = "Player";
    int moveList = 1;
    int drawMode = 1; // kept in the files only
    // Keys an earlier build ignores.
    float cameraDistance = kStandardCameraDistance; // zoom: see CScene::Eye
    int restoreUnfinished = 0;    // a kept game at start: 0 ask, 1 restore at once
    int standardNotation = 0;     // the move list in SAN ("1. e4 e5")
    int discoverable = 1;         // a waiting side answers discovery queries
    int boardTheme = 0;           // an index of the theme table, 0 Classic
    int smoothEdges = 0;          // multisampled edges
    int timeControlMinutes = 0;   // per side; 0: the clocks count up
    int timeControlIncrement = 0; // seconds added after each move

    sSettings();
};

// The board seen from White's side: a half turn about the vertical axis.
void SetHalfTurn(float m[16]);
