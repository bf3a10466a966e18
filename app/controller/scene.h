#pragma once

#include "app/controller/clock.h"
#include "app/controller/engine_binding.h"
#include "app/controller/scene_host.h"
#include "app/controller/settings.h"
#include "app/controller/time_control.h"
#include "board/board.h"
#include "board/board_services.h"
#include "board/move_list_arrows.h"
#include "board/move_table.h"
#include "config/file_storage.h"
#include "engines/outside_settings.h"
#include "net/net_game_host.h"
#include "platform/sound.h"
#include "render/geometry/point3d.h"
#include "render/move_list_renderer.h"

#include <string>
#include <string_view>
#include <vector>

namespace notation {
struct PgnGameEntry;
}

// The game controller: who plays, whose turn it is, the clocks, the camera,
// the engine binding, the settings and the game files. The window forwards
// its events and commands here; everything it draws it reads from here.
class CScene final {
    // The services the board's move flow asks of its controller; a member
    // rather than a base, so their names do not clash with the commands.
    class CServices final : public CBoardServices {
    public:
        explicit CServices(CScene& scene) : scene(scene) {}
        int PlayerMode() const override;
        int PlayerColor() const override;
        int& CurrentMove() override;
        int GameLevel() const override;
        int Animation() const override;
        const float* BoardMatrix() const override;
        int Mirror() const override;
        int Shadows() const override;
        int Letters() const override;
        int DeleteFigures() const override;
        int TexturedFigures() const override;
        int TexturedBoard() const override;
        std::string ProgramDirectory() const override;
        int& GameStarted() override;
        int WaitingForPeer() const override;
        int NetworkGame() const override;
        int* StopThinking() override;
        GetComputerMoveFn ComputerMoveEntry() const override;
        GetCurrentStateFn CurrentStateEntry() const override;
        void PlaySoundEffect(int effect) override;
        void DrawFrame() override;
        int ChoosePromotion() override;
        void SendMove(int fromX, int fromY, int toX, int toY) override;
        void FaceWhite() override;
        void FaceBlack() override;
        void AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) override;
        void ShowCursor(bool shown) override;
        void Pause(int milliseconds) override;
        void MoveMade(int32_t mover) override;
        void ThinkingChanged(bool thinking) override;

    private:
        CScene& scene;
    };

    // What the network connection asks and reports; a member for the same
    // reason.
    class CNetSide final : public CNetGameHost {
    public:
        explicit CNetSide(CScene& scene) : scene(scene) {}
        std::string Nickname() const override;
        int PlayerColor() const override;
        const CBoard& Board() const override;
        const CMoveTable& Moves() const override;
        bool IsNetworkGame() const override;
        bool Discoverable() const override;
        void SetNickname(const std::string& nickname) override;
        void SetDiscoverable(bool discoverable) override;
        void OnListening() override;
        void OnNetworkGameBegun() override;
        void OnConnectionClosed() override;
        void OnConnectionLost() override;
        void OnLinkRestored(bool waitingForPeer) override;
        void Redraw() override;
        void OnPeerColour(const std::string& text) override;
        void OnPeerMove(int fromX, int fromY, int toX, int toY, const sRuleState& rights) override;
        void OnPeerNewGame() override;
        void OnPeerResign() override;
        void OnPeerDraw(const std::string& word) override;

    private:
        CScene& scene;
    };

public:
    explicit CScene(CSceneHost& host);
    ~CScene();
    CScene(const CScene&) = delete;
    CScene& operator=(const CScene&) = delete;

    // Once, with the rendering context current. Returns 1.
    int Create();
    // From the view's destruction: closes the connection, deletes the fonts,
    // saves the settings unless the close request did. The destructor does
    // the saving when this was not called.
    void Destroy();

    // --- game ---
    void NewGame();
    void StartGame();
    void ClickBoard(const point3d& world);
    void StopThinking() { stopThinking = 1; }
    void PlaySoundEffect(int kind);
    // Renders one frame at once (through the host).
    void DrawFrame();
    // The board seen from White's side (a half turn about the vertical
    // axis) or from Black's (the identity).
    void FaceWhite();
    void FaceBlack();
    bool IsThinking() const;
    // Both engine entry points are bound.
    bool IsEngineReady() const { return engine.IsReady(); }
    // Binds another engine library in place of "Engine.dll" (tests).
    bool BindEngine(const std::string& libraryName) { return engine.Bind(libraryName); }

    // --- engines ---
    // Suggests a move to the side to move: the current engine's choice at
    // the current level, outlined on the board until the next click. The
    // game is not changed.
    void Hint();
    bool CanHint() const;
    bool CanChooseEngine() const;
    // Which engine plays the computer's side (Settings -> Engine...).
    const engines::OutsideEngineSettings& OutsideEngine() const { return outsideEngine; }
    void SetOutsideEngine(const engines::OutsideEngineSettings& chosen);

    // --- clocks ---
    void TickClocks();
    bool IsClockRunning() const;
    // "White 00:00:00" / "Black 00:00:00".
    std::string ClockText(int color) const;
    // The clock overlay's first step: ticks the clocks while they run and
    // tells whether the overlay is to be drawn (running and Timer on).
    bool PrepareClockOverlay();

    // --- camera ---
    void SetViewSize(int width, int height);
    void ApplyCamera();
    void ResetCamera();
    void RotateBoard();
    // A drag of (dx, dy) window points: across turns the board, down tilts
    // the camera.
    void RotateCamera(float dx, float dy);
    // Closer to the target by `steps` (a wheel notch is one), farther for
    // negative steps, within the distances that keep the whole board in view.
    void ZoomCamera(float steps);
    // Where the camera is: "Camera Position" at the zoomed distance.
    point3d Eye() const;
    // The camera's distance as a multiple of the standard one.
    float CameraZoom() const { return settings.cameraDistance / kStandardCameraDistance; }
    point3d WindowToWorld(int x, int y) const;
    // Device pixels per window point: text and overlays drawn in the view
    // keep their size in points.
    void SetPixelRatio(float ratio) { pixelRatio = ratio > 0 ? ratio : 1.0f; }

    // --- files ---
    // Returns 1 when the game document was read or written.
    int OpenGame(const std::string& path);
    int SaveGame(const std::string& path);
    std::string HelpFilePath() const;

    // --- notation ---
    // The whole game as PGN text. `warning` gets what to tell the player
    // about it: the first move the standard rules do not allow.
    std::string GameAsPgn(std::string* warning = nullptr) const;
    // Export PGN: writes the game to `path`, safely; 1 on success.
    int ExportPgn(const std::string& path);
    // The position on the board as FEN, with its move counters.
    std::string PositionAsFen() const;
    // Paste Position: a new game from `fen` in the current mode; the
    // engine moves first when the position gives it the move. False, with
    // the reason told, when the text is refused.
    bool SetUpPosition(const std::string& fen);
    // Import PGN: the file's games, one of them chosen by the host. The
    // game on the board changes only when one is imported.
    bool ImportPgnFile(const std::string& path);
    bool ImportPgnGame(std::string_view text, const notation::PgnGameEntry& entry, int index,
                       const std::string& path);
    // A move typed as SAN ("Nf3", "exd8=N") or by its squares ("g1f3",
    // "E2 - E4"), played as the two clicks on its squares would play it.
    bool PlayTypedMove(const std::string& text);
    // The move list in standard notation while "Standard Notation" is on,
    // else null; worked out again only when the game changed.
    const sMoveNotation* MoveNotation();
    bool CanCopyGame() const;

    // --- the unfinished game ---
    // A game that was under way when the window closed is kept beside the
    // settings and offered at the next start.
    static constexpr const char* kKeptGameFileName = "Unfinished.chs";
    std::string KeptGamePath() const;
    // Moves made, not over, and the engine not thinking.
    bool HasGameInProgress() const;
    // Asks whether to continue a kept game (or restores it at once when the
    // settings say so); either way the file is offered only once.
    void OfferUnfinishedGame();

    // --- network peer ---
    void OnPeerMove(int fromX, int fromY, int toX, int toY, const sRuleState& rules);
    void OnPeerNewGame();
    void OnPeerColour(const std::string& text);

    // --- the end of a game ---
    // The draw the position allows to claim (None while the engine thinks).
    DrawClaim ClaimableDraw() const;
    void ClaimDraw();
    void Resign();
    void OfferDraw();
    void OnPeerResign();
    void OnPeerDraw(const std::string& word);
    // Ends the game when a flag has fallen: from the view's timer, and once
    // the engine has returned when its own flag fell while it thought.
    void CheckFlag();
    // What the status bar shows about the game: the engine thinking, the
    // result, an offer waiting, a draw to claim; empty for none of these.
    std::string StatusText() const;
    // The time control the clocks run by: the setting, outside network games
    // (the greeting carries no clock).
    sTimeControl TimeControl() const;
    void SetTimeControl(const sTimeControl& control);
    // The clock of `color` shows little time left.
    bool ClockIsLow(int color) const;

    // What became of a draw offer in a network game: ours waits for the
    // answer, or we accepted the peer's and wait for it to agree.
    enum class DrawOffer { None, Made, Accepted };
    DrawOffer drawOffer = DrawOffer::None;
    // One offer per own move.
    bool offeredThisTurn = false;
    CCountdown countdown;
    uint32_t thinkingSince = 0;

    // --- move list ---
    // The scroll arrows as last drawn; the move-list drawing fills them in.
    sMoveListArrows moveListArrows;

    // --- commands: effects ---
    void SaveCurrentGame();
    void Undo();
    void Redo();
    void GoToStart();
    void GoToEnd();
    void Play();
    void ResetCameraCommand();
    void SetPlayerMode(int mode);
    void SetGameLevel(int level);
    void ChooseWhite();
    void ChooseBlack();
    void ToggleMusic();
    // Another look of the board, with the Smooth Edges it comes with; the
    // camera is applied again for the look's far plane.
    void SetBoardTheme(int theme);
    // Flips one of the 0/1 switches of the settings and redraws.
    void ToggleSetting(int sSettings::*field);
    // The close request of the main window: refused (with a message) while
    // the engine thinks; otherwise the settings are saved.
    bool RequestClose();

    // --- commands: enabled rules ---
    bool CanStartGame() const;
    bool CanReplaceGame() const; // New Game and Open Game
    bool CanOpenGame() const;
    bool CanSaveGame() const;
    bool CanSaveGameAs() const;
    bool CanConnect() const;
    bool CanUseConnection() const; // Close Connection and Chat
    bool CanReconnect() const;
    // Connected, or waiting for Reconnect: the moves are shared with a peer.
    bool PlaysWithPeer() const;
    bool CanUndo() const;
    bool CanRedo() const;
    bool CanPlay() const;
    bool CanChoosePlayerMode() const;
    bool CanChooseColor() const;
    bool CanClaimDraw() const;
    bool CanResign() const;
    bool CanOfferDraw() const;
    bool CanChooseTimeControl() const;

private:
    CServices services{*this};
    CNetSide netSide{*this};

public:
    // What the board asks of its controller, for the code that draws it.
    CBoardServices& BoardServices() { return services; }
    // The game as the network connection sees it.
    CNetGameHost& NetHost() { return netSide; }
    // --- state (read by the window and the drawing) ---
    sSettings settings;
    CMoveTable moveTable;
    CBoard board{services, moveTable};
    int gameStarted = 0;
    int stopThinking = 0;
    int promotionType = 5;
    std::string startupDir;
    std::string gamePath;
    sClock whiteClock, blackClock;
    int networkGame = 0;
    int waitingForPeer = 0;
    // The FEN of the position the game was set up from; empty for the usual
    // start. Saved with the game only when it is not empty.
    Str startPosition;
    // The connection dropped during a network game: the game waits, clocks
    // stopped and no move taken, for Reconnect or a new game.
    int connectionLost = 0;

    int viewWidth = 800, viewHeight = 600;
    float aspect = 800.0f / 600.0f;
    float pixelRatio = 1.0f;
    point3d lookAt = {0, 0, 0};
    float orientation[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

    // How sound effects are played; tests put a recorder in.
    bool (*playWave)(const std::string& path) = platform::PlayWaveFile;

private:
    void ResetClocks();
    // The settings of a new game: clocks at zero, nothing awaited, the
    // local user's colour to move.
    void PrepareNewGame();
    // Player Color 1 as the Black command sets it up.
    void ApplyBlackSide();
    void StartOrStopMusic();
    std::string SettingsPath() const;
    static std::string TitleFor(const std::string& path);
    // "Player", "Tavlion (Easy)" or the network opponent's name.
    std::string PlayerName(int color) const;
    // The start side the board takes from `startPosition`.
    void ApplyStartPosition();
    void TakeOverImportedGame(CHistory& records, CMoveList& moves, int sideToMove);
    // Saves the settings file at exit, once; `report` says when it fails.
    void SaveSettingsOnce(bool report);
    // A distance read from a file, brought within the zoom's limits.
    void KeepCameraDistanceInLimits();
    // The game document's keys; the result's only for a finished game, so an
    // unfinished one is written as it always was.
    void BindGameDocument(bool withResult);
    // Reads a game document and begins playing it; 1 when it was read.
    int LoadGame(const std::string& path);
    // At exit, once: the game under way goes to the kept file.
    void KeepUnfinishedGame(bool report);
    // A network game goes on between two players at this machine.
    void TurnIntoTwoPlayerGame();
    // Writes the game document to `path`; 1 when written. A game still shared
    // with a peer goes into the file as one between two players, while the
    // game on the board stays as it is.
    int WriteGameDocument(const std::string& path);
    bool IsEnginesTurn() const;
    // A game is under way and not over.
    bool IsGameRunning() const;
    // The side the local player resigns or claims for.
    int LocalSide() const;
    void EndGame(const sGameResult& result, const char* message);
    // Offers and answers of a game that ends or begins anew are void.
    void ForgetDrawOffer();

    CSceneHost& host;
    CEngineBinding engine;
    engines::OutsideEngineSettings outsideEngine;
    Str engineProgram;    // the settings file's copy of outsideEngine.path
    bool hinting = false; // the engine thinks for the player, not for itself
    CFileStorage settingsDocument;
    CFileStorage gameDocument;
    // The result as the game file keeps it: its tag and its reason.
    Str resultTag, resultReason;
    // The settings file is written once, at exit, and never when it could
    // not be read.
    enum class SettingsSave { NotYet, Due, Done, Never };
    SettingsSave settingsSave = SettingsSave::NotYet;
    bool unfinishedKept = false;
    bool destroyed = false;
    // The figure a typed move promotes to, answered in place of the chooser.
    int typedPromotion = 0;
    // The move list in standard notation and the game it was made for.
    sMoveNotation moveNotation;
    std::vector<int32_t> moveNotationKey;
    std::string moveNotationStart;
};
