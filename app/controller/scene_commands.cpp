#include "app/controller/scene.h"

#include "platform/message_box.h"
#include "render/board_theme.h"

void CScene::SaveCurrentGame() {
    if (!gamePath.empty()) SaveGame(gamePath);
}

void CScene::Undo() {
    if (!CanUndo()) return;
    board.StepBack();
    DrawFrame();
}

void CScene::Redo() {
    if (!CanRedo()) return;
    board.StepForward();
    DrawFrame();
}

void CScene::GoToStart() {
    if (PlaysWithPeer()) return;
    board.GoToStart();
    DrawFrame();
}

void CScene::GoToEnd() {
    if (PlaysWithPeer()) return;
    board.GoToEnd();
    DrawFrame();
}

void CScene::Play() {
    if (board.history.Count() > 0 && !IsThinking() && !PlaysWithPeer()) board.ReplayGame();
}

void CScene::ResetCameraCommand() {
    ResetCamera();
    DrawFrame();
}

void CScene::SetPlayerMode(int mode) {
    if (CanChoosePlayerMode()) settings.playerMode = mode;
}

void CScene::SetGameLevel(int level) {
    settings.gameLevel = level;
}

void CScene::ChooseWhite() {
    if (!CanChooseColor()) return;
    settings.playerColor = 0;
    settings.currentMove = 0;
    FaceWhite();
    DrawFrame();
}

void CScene::ChooseBlack() {
    if (!CanChooseColor()) return;
    settings.playerColor = 1;
    settings.currentMove = 0;
    ApplyBlackSide();
    DrawFrame();
}

void CScene::ToggleMusic() {
    settings.music = !settings.music;
    StartOrStopMusic();
}

void CScene::SetBoardTheme(int theme) {
    settings.boardTheme = BoardThemeIndex(theme);
    settings.smoothEdges = BoardTheme(theme).smoothEdges;
    ApplyCamera();
    DrawFrame();
}

void CScene::ToggleSetting(int sSettings::*field) {
    settings.*field = !(settings.*field);
    DrawFrame();
}

bool CScene::RequestClose() {
    if (IsThinking()) {
        platform::ShowMessageBox("Please wait the finish of the thinking or stop it!");
        return false;
    }
    // Saved while the window can still show a failure.
    SaveSettingsOnce(true);
    KeepUnfinishedGame(true);
    return true;
}

bool CScene::CanStartGame() const {
    return settings.playerMode == 0 && settings.playerColor == 1 && gameStarted == 0 &&
           !IsThinking();
}

bool CScene::CanReplaceGame() const {
    return !IsThinking();
}

bool CScene::CanOpenGame() const {
    return networkGame == 0 && CanReplaceGame();
}

bool CScene::CanSaveGame() const {
    return !gamePath.empty() && CanSaveGameAs();
}

bool CScene::CanSaveGameAs() const {
    return networkGame == 0 && !IsThinking();
}

bool CScene::CanConnect() const {
    return settings.playerMode == 1 && gameStarted == 0 && networkGame == 0;
}

bool CScene::CanUseConnection() const {
    return networkGame == 1;
}

bool CScene::CanReconnect() const {
    return connectionLost == 1 && networkGame == 0;
}

// A network game keeps no history of its own; records left from a game before
// the connection would put a position on the board that the peer does not have.
// A game that waits for Reconnect is still the peer's too.
bool CScene::PlaysWithPeer() const {
    return networkGame == 1 || connectionLost == 1;
}

bool CScene::CanUndo() const {
    return board.historyIndex > 0 && !IsThinking() && !PlaysWithPeer();
}

bool CScene::CanRedo() const {
    return board.historyIndex < board.history.Count() - 1 && !IsThinking() && !PlaysWithPeer();
}

bool CScene::CanPlay() const {
    return board.history.Count() != 1 && !IsThinking();
}

bool CScene::CanChoosePlayerMode() const {
    return gameStarted == 0 && !IsThinking();
}

bool CScene::CanChooseColor() const {
    return gameStarted == 0 && networkGame == 0;
}
