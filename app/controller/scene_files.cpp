#include "app/controller/scene.h"

#include "platform/message_box.h"
#include "platform/paths.h"

namespace {
std::string TitleFor(const std::string& path) {
    return "Tavlion - " + path;
}
} // namespace

int CScene::OpenGame(const std::string& path) {
    if (!LoadGame(path)) return 0;
    host.SetTitle(TitleFor(path));
    gamePath = path;
    return 1;
}

int CScene::LoadGame(const std::string& path) {
    if (!CanReplaceGame()) return 0;
    stopThinking = 0;
    // A file that cannot be read changes nothing, so the game on the board
    // stays as it was rather than passing for the one asked for, and a later
    // Save cannot write it over the damaged file.
    const sSettings before = settings;
    board.textRefused = 0;
    if (!gameDocument.Load(path.c_str())) {
        platform::ShowMessageBox("Cannot open the game file \"" + path + "\".");
        return 0;
    }
    if (board.textRefused) {
        settings = before;
        platform::ShowMessageBox("The game in \"" + path + "\" is damaged and was not opened.");
        return 0;
    }
    KeepCameraDistanceInLimits();
    host.ReloadSky(settings.skyNumber);
    ApplyCamera();
    DrawFrame();
    gameStarted = 1;
    board.thinking = 0;
    board.gameOver = 0;
    StartOrStopMusic();
    ResetClocks();
    board.EndIfNoMoveLeft();
    return 1;
}

int CScene::SaveGame(const std::string& path) {
    if (IsThinking()) return 0;
    // A game that did not reach the disk must not look saved.
    if (!gameDocument.Save(path.c_str())) {
        platform::ShowMessageBox("Cannot save the game to \"" + path + "\".");
        return 0;
    }
    host.SetTitle(TitleFor(path));
    gamePath = path;
    return 1;
}

std::string CScene::HelpFilePath() const {
    return platform::NativePath(startupDir + "\\NetTavlionR.chm");
}
