#include "app/controller/scene.h"

#include "app/controller/engine_settings_binding.h"
#include "app/controller/settings_binding.h"
#include "board/move_flow.h"
#include "config/ini_item.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "render/geometry/matrix.h"

#include <iterator>
#include <memory>

namespace {

constexpr size_t kMaxPath = 260;

constexpr const char* kSoundFiles[] = {"%s\\step.wav", "%s\\shah.wav", "%s\\mat.wav"};

} // namespace

CScene::CScene(CSceneHost& host) : host(host) {
    startupDir = platform::CurrentDirectory().substr(0, kMaxPath);
}

CScene::~CScene() {
    // The host may be gone by now, so only the settings are kept.
    if (!destroyed) SaveSettingsOnce(false);
}

int CScene::Create() {
    stopThinking = 0;
    ResetClocks();
    ResetCamera();
    gamePath.clear();

    settingsDocument.SetFileName(kSettingsFileName);
    settingsDocument.SetBanner(kSettingsBanner);
    settingsDocument.RemoveAll();
    BindProgramSettings(settingsDocument, settings);
    BindEngineSettings(settingsDocument, outsideEngine, engineProgram);
    // A missing file is a first start; one that is there but cannot be read
    // holds the player's settings, which saving the defaults would destroy.
    if (settingsDocument.Read() == LoadOutcome::Unreadable) {
        settingsSave = SettingsSave::Never;
        platform::ShowMessageBox("Cannot read the settings in \"" + SettingsPath() +
                                 "\". The game starts with the default settings and will not "
                                 "save them, so the file stays as it is.");
    }
    settings.currentMove = 0;
    KeepCameraDistanceInLimits();
    StartOrStopMusic();
    host.ReloadSky(settings.skyNumber);

    BindGameDocument(false);

    host.InitGL();
    host.CreateFonts();
    if (settings.playerColor == 1) ApplyBlackSide();
    // The window opens on a board set up for a game, not an empty one.
    board.ResetGame();
    engine.Bind();
    outsideEngine.path = engineProgram.c_str();
    SetOutsideEngine(outsideEngine);
    if (settingsSave == SettingsSave::NotYet) settingsSave = SettingsSave::Due;
    return 1;
}

void CScene::Destroy() {
    if (destroyed) return;
    destroyed = true;
    // The game is kept before the connection closes, which forgets that it
    // was a network game.
    KeepUnfinishedGame(false);
    host.CloseConnection();
    networkGame = 0;
    host.DeleteFonts();
    // The window is going: too late for a message.
    SaveSettingsOnce(false);
}

std::string CScene::SettingsPath() const {
    return platform::NativePath(startupDir + "\\" + kSettingsFileName);
}

void CScene::SaveSettingsOnce(bool report) {
    if (settingsSave != SettingsSave::Due) return;
    settingsSave = SettingsSave::Done;
    if (!settingsDocument.Save() && report)
        platform::ShowMessageBox("Cannot save the settings to \"" + SettingsPath() + "\".");
}

// --- game ---

void CScene::PrepareNewGame() {
    ResetClocks();
    ForgetDrawOffer();
    gameStarted = 0;
    waitingForPeer = 0;
    settings.currentMove = settings.playerColor;
    startPosition = "";
}

void CScene::NewGame() {
    // The engine writes its move through pointers into the board's records.
    if (!CanReplaceGame()) return;
    // A new game leaves nothing for Reconnect to take up.
    if (connectionLost) host.CloseConnection();
    PrepareNewGame();
    board.ResetGame();
    if (networkGame) host.SendNewGameToPeer();
    DrawFrame();
}

void CScene::StartGame() {
    if (gameStarted || IsThinking()) return;
    // Without the engine the game would pass for started with nobody to open it.
    if (!IsEngineReady()) return move_flow::ReportMissingEngine();
    settings.currentMove = settings.playerColor;
    startPosition = "";
    board.ResetGame();
    board.ComputerMove();
    gameStarted = 1;
}

void CScene::ClickBoard(const point3d& world) {
    const bool onArrows = settings.moveList && HitArrows(moveListArrows, moveTable, world);
    // The board refuses a move the engine cannot judge, and says so.
    if (!onArrows) board.OnBoardClick(world, Eye());
    DrawFrame();
}

bool CScene::IsThinking() const {
    return board.thinking != 0;
}

void CScene::PlaySoundEffect(int kind) {
    if (!settings.soundEffects || kind < 0 || kind >= int(std::size(kSoundFiles))) return;
    const Str folder = Str::Format("%s\\Sounds\\", startupDir.c_str());
    playWave(platform::NativePath(Str::Format(kSoundFiles[kind], folder.c_str()).c_str()));
}

void CScene::DrawFrame() {
    host.RenderFrame();
}

void CScene::FaceWhite() {
    SetHalfTurn(settings.matrix);
}

void CScene::FaceBlack() {
    SetIdentity(settings.matrix);
}

void CScene::ApplyBlackSide() {
    if (settings.playerMode == 0) {
        settings.currentMove = 1;
        FaceBlack();
    } else {
        gameStarted = 1;
        FaceWhite();
    }
}

void CScene::StartOrStopMusic() {
    if (settings.music)
        host.StartMusic();
    else
        host.StopMusic();
}

// --- clocks ---

void CScene::ResetClocks() {
    whiteClock.Reset();
    blackClock.Reset();
    countdown.Start(TimeControl());
}

bool CScene::IsClockRunning() const {
    return gameStarted == 1 && board.gameOver == 0;
}

void CScene::TickClocks() {
    // Nobody can move while a dropped connection waits to be taken up.
    if (connectionLost) return;
    const uint32_t now = ClockTickNow();
    if (now - lastClockTick < 1000) return;
    lastClockTick = now;
    bool white;
    if (settings.playerMode == 0)
        // A hint is thought out in the player's own time.
        white = board.thinking && !hinting ? settings.playerColor == 1 : settings.playerColor == 0;
    else if (!networkGame)
        white = settings.currentMove == 0;
    else
        white = (settings.playerColor == 0) != (waitingForPeer != 0);
    if (TimeControl().IsOn())
        countdown.TakeSecond(white ? kWhite : kBlack);
    else
        (white ? whiteClock : blackClock).AddSecond();
}

std::string CScene::ClockText(int color) const {
    if (TimeControl().IsOn()) {
        const int left = countdown.Remaining(color);
        sClock shown;
        shown.hours = uint16_t(left / 3600);
        shown.minutes = uint16_t(left / 60 % 60);
        shown.seconds = uint16_t(left % 60);
        return (color == 0 ? "White " : "Black ") + shown.Text();
    }
    return color == 0 ? "White " + whiteClock.Text() : "Black " + blackClock.Text();
}

bool CScene::PrepareClockOverlay() {
    if (!IsClockRunning()) return false;
    TickClocks();
    return settings.timer != 0;
}

// --- network peer ---

void CScene::OnPeerMove(int fromX, int fromY, int toX, int toY, const sRuleState& rules) {
    // The offering side's move withdraws its offer, an accepted one too.
    if (drawOffer == DrawOffer::Accepted) drawOffer = DrawOffer::None;
    board.rights = rules;
    board.ApplyRemoteMove(fromX, fromY, toX, toY);
    DrawFrame();
    waitingForPeer = 0;
    gameStarted = 1;
}

void CScene::OnPeerNewGame() {
    if (!CanReplaceGame()) return;
    ForgetDrawOffer();
    PrepareNewGame();
    board.ResetGame();
    DrawFrame();
}

void CScene::OnPeerColour(const std::string& text) {
    const int color = text == "WHITE" ? 1 : 0;
    settings.currentMove = color;
    settings.playerColor = color;
    if (color == 1)
        FaceBlack();
    else
        FaceWhite();
    DrawFrame();
}
