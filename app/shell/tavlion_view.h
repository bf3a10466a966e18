#pragma once

#include "app/controller/scene.h"
#include "app/controller/scene_host.h"
#include "app/shell/scene_picture.h"
#include "app/shell/splash_dialog.h"
#include "net/connection.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

class CGLSurface;
class CSelPeshka;
class CMusicDlg;

// The one view: its whole client area is the GL surface. It owns the game
// controller and turns window events and commands into its operations.
class CTavlionView : public QWidget, public CSceneHost {
    Q_OBJECT
public:
    explicit CTavlionView(QWidget* parent = nullptr);
    ~CTavlionView() override;

    // The window-creation step: context, controller, splash, timer.
    // Returns false only when the controller could not be created.
    bool Create();

    CScene& Scene() { return scene_; }
    const CScene& Scene() const { return scene_; }
    CSceneRenderer& Renderer() { return renderer_; }
    CGLSurface* Surface() const { return surface_; }
    CSelPeshka* PromotionChooser() const { return chooser_; }
    CSplashDlg* Splash() const { return splash_; }
    CSky& Sky() { return picture_.Sky(); }
    // Sockets and chat of network play; null before Create.
    CNetGame* Net() const { return net_.get(); }
    bool HasContext() const;
    // Draws one frame and reads it back before the swap, in device pixels.
    QImage GrabFrame();

    // Command effects that need the window.
    void OpenGameDialog();
    void SaveGameAsDialog();
    void ConnectToPeer();
    void CloseConnection() override;
    void Reconnect();
    void ShowChat();
    // What the link to the opponent is doing, for the status bar.
    QString LinkStatusText() const;
    void CloseMainWindow();
    void ChooseSky();
    void ChooseTimeControl();
    void ChooseEngine();
    void ShowAbout();
    void OpenHelp();
    // A game kept at the last exit: offered at once, or when the splash has
    // gone, so that the question is not hidden behind it.
    void OfferUnfinishedGame();
    void OfferUnfinishedGameAfterSplash() { offerUnfinished_ = true; }
    // The help file to open: the page of the start-up directory, or empty.
    QString HelpDocument() const;
    // Games and positions in standard notation.
    void ExportPgnDialog();
    void ImportPgnDialog();
    void CopyGame();
    void CopyPosition();
    void PastePosition();
    // A key for the move being typed: letters, digits and signs add to it,
    // Backspace takes one back, Enter plays it, Escape clears it. False
    // when the key is not one of these.
    bool OnKeyTyped(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    const QString& TypedMove() const { return typed_; }

    // Window events, also driven by tests with pixel positions.
    void OnTimer();
    void OnSizeChanged(QSize pixels);
    void OnLeftButtonDown(QPoint pixel);
    void OnMouseMove(QPoint pixel, Qt::MouseButtons buttons);

    // The file a Save As dialog answer stands for: ".chs" is added when the
    // game filter is chosen and the name has no three-letter extension.
    static std::string SaveAsPath(const std::string& chosen, bool gameFilterSelected);

    // CSceneHost
    void InitGL() override;
    void ApplyCamera() override;
    void RenderFrame() override;
    void CreateFonts() override;
    void DeleteFonts() override;
    int ChoosePromotion(int color) override;
    void SetTitle(const std::string& title) override;
    void ReloadSky(int number) override;
    void StartMusic() override;
    void StopMusic() override;
    void SendMoveToPeer(int fromX, int fromY, int toX, int toY, const sRuleState& rules) override;
    void SendNewGameToPeer() override;
    void SendResignToPeer() override;
    void SendDrawToPeer(const std::string& word) override;
    void SetBusy(bool busy) override;
    void AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) override;
    int ChoosePgnGame(const std::vector<notation::PgnGameEntry>& games) override;
    std::string PeerNickname() const override;

    static constexpr int kTimerPeriodMs = 500;
    static constexpr const char* kGameFilter = "Tavlion R File (*.chs)";
    static constexpr const char* kPgnFilter = "PGN Game (*.pgn)";

signals:
    // Something a command's rules read may have changed.
    void StateChanged();

protected:
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowTypedMove();

    CGLSurface* surface_;
    QWidget* container_;
    CScene scene_;
    CScenePicture picture_;
    CSceneRenderer& renderer_;
    std::unique_ptr<CNetGame> net_; // sockets and chat of a network game
    CSelPeshka* chooser_;
    CMusicDlg* music_ = nullptr; // hidden, owned by the main window: plays the tune
    QPointer<CSplashDlg> splash_;
    CSplashCountdown splashCountdown_;
    int timerId_ = 0;
    QPoint lastMouse_;
    bool created_ = false;
    QString typed_; // the move being typed
    bool offerUnfinished_ = false;
};
