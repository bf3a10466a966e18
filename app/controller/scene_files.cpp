#include "app/controller/scene.h"

#include "app/controller/settings_binding.h"
#include "config/ini_item.h"
#include "platform/message_box.h"
#include "platform/paths.h"

#include <memory>

std::string CScene::TitleFor(const std::string& path) {
    return "Tavlion - " + path;
}

void CScene::BindGameDocument(bool withResult) {
    gameDocument.RemoveAll();
    BindSettings(gameDocument, settings);
    gameDocument.SetBanner(kSettingsBanner);
    CIniPartition* section = gameDocument.AddPartition("Board");
    section->AddItem("Figures", static_cast<CIniObject*>(&board), INI_OBJECT);
    section->AddItem(std::make_unique<CIniOptional>("Start Position", &startPosition, INI_STRING,
                                                    [this] { return !startPosition.IsEmpty(); }));
    if (!withResult) return;
    section->AddItem("Result", &resultTag, INI_STRING);
    section->AddItem("Result Reason", &resultReason, INI_STRING);
}

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
    const Str startBefore = startPosition;
    // A file without a set-up start began from the usual one.
    startPosition = "";
    board.textRefused = 0;
    resultTag = "";
    resultReason = "";
    BindGameDocument(true);
    const bool loaded = gameDocument.Load(path.c_str());
    BindGameDocument(false);
    if (!loaded) {
        startPosition = startBefore;
        platform::ShowMessageBox("Cannot open the game file \"" + path + "\".");
        return 0;
    }
    if (board.textRefused) {
        settings = before;
        startPosition = startBefore;
        platform::ShowMessageBox("The game in \"" + path + "\" is damaged and was not opened.");
        return 0;
    }
    // The opened game replaces the one a dropped connection left waiting.
    if (connectionLost) host.CloseConnection();
    ApplyStartPosition();
    KeepCameraDistanceInLimits();
    host.ReloadSky(settings.skyNumber);
    ApplyCamera();
    DrawFrame();
    gameStarted = 1;
    board.thinking = 0;
    board.gameOver = 0;
    StartOrStopMusic();
    ResetClocks();
    ForgetDrawOffer();
    board.result = {};
    board.RebuildPositions();
    board.EndIfNoMoveLeft();
    // A game that ended otherwise stays ended, without a second message.
    const sGameResult kept =
        ResultFromWords(std::string(resultTag.View()), std::string(resultReason.View()));
    if (!board.gameOver && kept.IsOver()) {
        board.result = kept;
        board.gameOver = 1;
        gameStarted = 0;
    }
    return 1;
}

int CScene::SaveGame(const std::string& path) {
    if (IsThinking()) return 0;
    const bool finished = board.gameOver && board.result.IsOver();
    resultTag = ResultTag(board.result.outcome);
    resultReason = ReasonWord(board.result.reason);
    BindGameDocument(finished);
    const bool saved = WriteGameDocument(path) != 0;
    BindGameDocument(false);
    // A game that did not reach the disk must not look saved.
    if (!saved) {
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
