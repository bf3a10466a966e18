#include "app/shell/tavlion_view.h"

#include "app/shell/about_dialog.h"
#include "app/shell/engine_dialog.h"
#include "app/shell/gl_surface.h"
#include "app/shell/promotion_chooser.h"
#include "app/shell/sky_dialog.h"
#include "app/shell/time_control_dialog.h"
#include "net/qt_text.h"
#include "platform/message_box.h"

#ifdef TAVLION_HAVE_MUSIC_DIALOG
#include "app/music_dlg.h"
#endif

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

CTavlionView::CTavlionView(QWidget* parent)
    : QWidget(parent), surface_(new CGLSurface), container_(nullptr), scene_(*this),
      picture_(scene_), renderer_(picture_.Renderer()), chooser_(new CSelPeshka(this)) {
    container_ = QWidget::createWindowContainer(surface_, this);
    container_->setObjectName(QStringLiteral("glContainer"));
    container_->setFocusPolicy(Qt::NoFocus);
    container_->setMinimumSize(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container_);
    setFocusPolicy(Qt::StrongFocus);

    connect(surface_, &CGLSurface::Exposed, this, [this] {
        // A move to a screen of another pixel ratio changes the pixels only.
        const QSize pixels = surface_->PixelSize();
        if (pixels != QSize(scene_.viewWidth, scene_.viewHeight)) OnSizeChanged(pixels);
        RenderFrame();
    });
    connect(surface_, &QWindow::screenChanged, this,
            [this] { OnSizeChanged(surface_->PixelSize()); });
    connect(surface_, &CGLSurface::Resized, this, &CTavlionView::OnSizeChanged);
    connect(surface_, &CGLSurface::MousePressed, this, [this](Qt::MouseButton button, QPoint at) {
        if (button == Qt::LeftButton) OnLeftButtonDown(at);
    });
    connect(surface_, &CGLSurface::MouseMoved, this, &CTavlionView::OnMouseMove);
    connect(surface_, &CGLSurface::KeyPressed, this, [this](QKeyEvent* event, bool* accepted) {
        *accepted = OnKeyTyped(event->key(), event->modifiers(), event->text());
    });
    connect(surface_, &CGLSurface::WheelTurned, this,
            [this](float notches) { scene_.ZoomCamera(notches); });
}

CTavlionView::~CTavlionView() {
    // The frame around is half gone by now: closing the connection below
    // must not make it update its commands.
    blockSignals(true);
    if (timerId_) killTimer(timerId_);
    if (created_) {
        surface_->MakeCurrent();
        scene_.Destroy();
        surface_->DoneCurrent();
    }
}

bool CTavlionView::HasContext() const {
    return surface_->HasContext();
}

bool CTavlionView::Create() {
    const std::string failure = surface_->CreateContext();
    if (!failure.empty()) platform::ShowMessageBox(failure, "Tavlion");
    const QSize pixels = surface_->PixelSize();
    if (pixels.width() > 0 && pixels.height() > 0)
        scene_.SetViewSize(pixels.width(), pixels.height());
    scene_.SetPixelRatio(float(surface_->devicePixelRatio()));

#ifdef TAVLION_HAVE_MUSIC_DIALOG
    music_ = new CMusicDlg(window());
#endif
    if (scene_.Create() != 1) return false;
    net_ = std::make_unique<CNetGame>(scene_.NetHost(), window());
    connect(net_.get(), &CNetGame::StateChanged, this, &CTavlionView::StateChanged);
    created_ = true;
    InitGL();

    splash_ = new CSplashDlg(this);
    splash_->ShowCentred();
    timerId_ = startTimer(kTimerPeriodMs);
    // Moves can be typed from the start.
    setFocus();
    return true;
}

void CTavlionView::InitGL() {
    if (surface_->MakeCurrent()) renderer_.InitGL();
}

void CTavlionView::ApplyCamera() {
    if (surface_->MakeCurrent()) renderer_.ApplyCamera();
}

void CTavlionView::RenderFrame() {
    if (!created_ || !surface_->MakeCurrent()) return;
    renderer_.DrawFrame();
    surface_->SwapBuffers();
}

QImage CTavlionView::GrabFrame() {
    if (!created_ || !surface_->MakeCurrent()) return {};
    renderer_.DrawFrame();
    QImage frame = renderer_.ReadFrame(scene_.viewWidth, scene_.viewHeight);
    surface_->SwapBuffers();
    return frame;
}

void CTavlionView::CreateFonts() {
    if (surface_->MakeCurrent()) renderer_.CreateFonts();
}

void CTavlionView::DeleteFonts() {
    if (surface_->MakeCurrent()) renderer_.DeleteFonts();
}

int CTavlionView::ChoosePromotion(int color) {
    return chooser_->Choose(color);
}

void CTavlionView::SetTitle(const std::string& title) {
    window()->setWindowTitle(QString::fromStdString(title));
}

void CTavlionView::StartMusic() {
#ifdef TAVLION_HAVE_MUSIC_DIALOG
    if (music_) music_->StartMusic();
#endif
}

void CTavlionView::StopMusic() {
#ifdef TAVLION_HAVE_MUSIC_DIALOG
    if (music_) music_->StopMusic();
#endif
}

void CTavlionView::OnSizeChanged(QSize pixels) {
    if (!surface_->MakeCurrent() || pixels.width() <= 0 || pixels.height() <= 0) return;
    scene_.SetViewSize(pixels.width(), pixels.height());
    scene_.SetPixelRatio(float(surface_->devicePixelRatio()));
    renderer_.Resize(pixels.width(), pixels.height());
}

void CTavlionView::OnLeftButtonDown(QPoint pixel) {
    scene_.ClickBoard(scene_.WindowToWorld(pixel.x(), pixel.y()));
    emit StateChanged();
}

void CTavlionView::OnMouseMove(QPoint pixel, Qt::MouseButtons buttons) {
    // The pointer comes in device pixels; the drag turns by points, alike on
    // every screen.
    const float ratio = scene_.pixelRatio;
    if (buttons & Qt::RightButton)
        scene_.RotateCamera(float(pixel.x() - lastMouse_.x()) / ratio,
                            float(pixel.y() - lastMouse_.y()) / ratio);
    lastMouse_ = pixel;
}

void CTavlionView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timerId_)
        OnTimer();
    else
        QWidget::timerEvent(event);
}

void CTavlionView::OnTimer() {
    if (scene_.IsClockRunning()) {
        scene_.TickClocks();
        RenderFrame();
        // Out of the timer's handler: the message waits for an answer.
        if (scene_.countdown.Fallen() >= 0)
            QTimer::singleShot(0, this, [this] {
                scene_.CheckFlag();
                emit StateChanged();
            });
    }
    if (splashCountdown_.Tick()) {
        if (splash_) splash_->close();
        // Out of the timer's handler: the question waits for an answer.
        if (std::exchange(offerUnfinished_, false))
            QTimer::singleShot(0, this, &CTavlionView::OfferUnfinishedGame);
    }
    emit StateChanged();
}

std::string CTavlionView::SaveAsPath(const std::string& chosen, bool gameFilterSelected) {
    if (!gameFilterSelected) return chosen;
    const bool hasExtension = chosen.size() >= 4 && chosen[chosen.size() - 4] == '.';
    return hasExtension ? chosen : chosen + ".chs";
}

// A ".pgn" file chosen here is imported.
void CTavlionView::OpenGameDialog() {
    QFileDialog dialog(this, {}, {},
                       QString::fromLatin1(kGameFilter) + ";;" + QString::fromLatin1(kPgnFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    if (path.endsWith(QStringLiteral(".pgn"), Qt::CaseInsensitive))
        scene_.ImportPgnFile(path.toStdString());
    else
        scene_.OpenGame(path.toStdString());
}

void CTavlionView::SaveGameAsDialog() {
    QFileDialog dialog(this, {}, {}, QString::fromLatin1(kGameFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const bool gameFilter = dialog.selectedNameFilter() == QString::fromLatin1(kGameFilter);
    scene_.SaveGame(SaveAsPath(dialog.selectedFiles().first().toStdString(), gameFilter));
}

// The network dialogs plug in here.
void CTavlionView::ConnectToPeer() {
    if (net_) net_->Connect(window());
}

void CTavlionView::CloseConnection() {
    if (net_) net_->Close();
}

void CTavlionView::Reconnect() {
    if (net_) net_->Reconnect();
}

void CTavlionView::ShowChat() {
    if (net_) net_->ShowChat();
}

QString CTavlionView::LinkStatusText() const {
    return net_ ? net::AnsiToQString(::LinkStatusText(net_->LinkStatus())) : QString();
}

void CTavlionView::SendMoveToPeer(int fromX, int fromY, int toX, int toY, const sRuleState& rules) {
    if (net_) net_->SendMove(fromX, fromY, toX, toY, rules);
}

void CTavlionView::AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) {
    picture_.AnimateMove(figure, captured, toX, toY);
}

void CTavlionView::SendNewGameToPeer() {
    if (net_) net_->SendNewGame();
}

void CTavlionView::SendResignToPeer() {
    if (net_) net_->SendResign();
}

void CTavlionView::SendDrawToPeer(const std::string& word) {
    if (net_) net_->SendDraw(word);
}

void CTavlionView::SetBusy(bool busy) {
    if (busy)
        surface_->setCursor(Qt::BusyCursor);
    else
        surface_->unsetCursor();
}

void CTavlionView::CloseMainWindow() {
    window()->close();
}

void CTavlionView::ChooseTimeControl() {
    CTimeControlDlg dialog(scene_.TimeControl(), this);
    if (dialog.exec() == QDialog::Accepted) scene_.SetTimeControl(dialog.Chosen());
}

void CTavlionView::ChooseSky() {
    CSelectBackGround dialog(
        scene_.startupDir, scene_.settings.skyNumber,
        [this](int number) {
            ReloadSky(number);
            RenderFrame();
        },
        this);
    dialog.exec();
}

void CTavlionView::ChooseEngine() {
    CEngineDialog dialog(scene_.OutsideEngine(), this);
    if (dialog.exec() == QDialog::Accepted) scene_.SetOutsideEngine(dialog.Settings());
}

// The controller asks for its sky once the settings are loaded, which is
// the first moment the number is known; the faces are set up then, in the
// context that will draw them.
void CTavlionView::ReloadSky(int number) {
    if (surface_->MakeCurrent()) picture_.ReloadSky(number);
}

void CTavlionView::OfferUnfinishedGame() {
    scene_.OfferUnfinishedGame();
    emit StateChanged();
}

void CTavlionView::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

// The help ships as a web page beside the program where no help viewer
// for the compiled form exists.
QString CTavlionView::HelpDocument() const {
    const QString compiled = QString::fromStdString(scene_.HelpFilePath());
    if (QFileInfo::exists(compiled)) return compiled;
    QString page = compiled;
    page.replace(QRegularExpression(QStringLiteral("\\.chm$")), QStringLiteral(".html"));
    return QFileInfo::exists(page) ? page : QString();
}

void CTavlionView::OpenHelp() {
    const QString path = HelpDocument();
    if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        platform::ShowMessageBox("The help file NetTavlionR.html cannot be opened.", "Tavlion");
}
