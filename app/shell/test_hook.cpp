#include "app/shell/test_hook.h"

#include "app/controller/square_projection.h"
#include "app/shell/command_table.h"
#include "app/shell/gl_surface.h"
#include "app/shell/main_frame.h"
#include "app/shell/promotion_chooser.h"
#include "app/shell/tavlion_app.h"
#include "app/shell/tavlion_view.h"
#include "net/chat_dialog.h"
#include "net/connect_dialog.h"
#include "net/qt_text.h"
#include "platform/message_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>

namespace {

constexpr const char* kNoWindow = "error the window is not there yet";

std::string Error(const std::string& why) {
    return "error " + why;
}

void SendClick(QWindow* surface, QPointF at) {
    const QPointF global = surface->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &release);
}

} // namespace

const CTestHook::sHookCommand CTestHook::kCommands[] = {
    {"help", "help", &CTestHook::Help},
    {"ping", "ping (ok ready once the board is on screen)", &CTestHook::Ping},
    {"command", "command <id>", &CTestHook::Command},
    {"connect", "connect server|client <address> <port> <nickname>", &CTestHook::Connect},
    {"click", "click <square>", &CTestHook::Click},
    {"say", "say <text>", &CTestHook::Say},
    {"state", "state", &CTestHook::State},
    {"moves", "moves", &CTestHook::Moves},
    {"chat", "chat", &CTestHook::Chat},
    {"boxes", "boxes", &CTestHook::Boxes},
    {"answer", "answer yes|no", &CTestHook::Answer},
    {"promote", "promote knight|bishop|rook|queen", &CTestHook::Promote},
    {"where", "where <command id>", &CTestHook::Where},
    {"link", "link (the status bar's line about the opponent)", &CTestHook::Link},
    {"quit", "quit", &CTestHook::Quit},
    {"status", "status: the status bar's message", &CTestHook::Status},
};

std::unique_ptr<CTestHook> CTestHook::FromEnvironment(CTavlionApp& app) {
    const char* path = std::getenv(kVariable);
    if (!path || !*path) return nullptr;
    return std::make_unique<CTestHook>(app, QString::fromLocal8Bit(path));
}

CTestHook::CTestHook(CTavlionApp& app, const QString& socketPath) : app_(app) {
    platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string& caption, int buttons) {
            return AnswerBox(text, caption, buttons);
        });
    connect(&server_, &QLocalServer::newConnection, this, &CTestHook::OnConnection);
    QLocalServer::removeServer(socketPath);
    if (!server_.listen(socketPath))
        qWarning("test hook: cannot listen at %s: %s", qPrintable(socketPath),
                 qPrintable(server_.errorString()));
}

CTestHook::~CTestHook() {
    platform::SetMessageBoxHandler({});
}

int CTestHook::AnswerBox(const std::string& text, const std::string& caption, int buttons) {
    boxes_.push_back({caption, text});
    if (buttons != platform::kYesNo) return platform::kIdOk;
    bool yes = false;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    return yes ? platform::kIdYes : platform::kIdNo;
}

void CTestHook::OnConnection() {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, &CTestHook::Serve);
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}

// A request may run a nested event loop (an animation, the engine, a
// socket wait); lines that arrive meanwhile wait for it to finish, and a
// client may go away during it.
void CTestHook::Serve() {
    if (serving_) return;
    serving_ = true;
    bool more = true;
    while (more) {
        more = false;
        QList<QPointer<QLocalSocket>> clients;
        for (QLocalSocket* client : server_.findChildren<QLocalSocket*>()) clients.append(client);
        for (const QPointer<QLocalSocket>& client : clients) {
            if (!client || !client->canReadLine()) continue;
            const std::string reply = Run(client->readLine().trimmed().toStdString()) + '\n';
            if (!client) continue;
            client->write(reply.data(), qint64(reply.size()));
            client->flush();
            more = true;
        }
    }
    serving_ = false;
}

std::string CTestHook::Run(const std::string& line) {
    const sHookRequest request = ParseHookRequest(line);
    for (const sHookCommand& command : kCommands)
        if (request.name == command.name) return (this->*command.run)(request);
    return Error("unknown request \"" + OneLine(request.name) + "\"; try help");
}

CMainFrame* CTestHook::Frame() {
    CMainFrame* frame = app_.MainFrame();
    if (frame && !chooserWatched_) {
        frame->View()->PromotionChooser()->installEventFilter(this);
        chooserWatched_ = true;
    }
    return frame;
}

// The chooser picks its figure as a click would and closes once its own
// event loop runs.
bool CTestHook::eventFilter(QObject* watched, QEvent* event) {
    auto* chooser = qobject_cast<CSelPeshka*>(watched);
    if (chooser && event->type() == QEvent::Show) {
        if (!promotions_.empty()) {
            chooser->List()->setCurrentRow(promotions_.front() - kKnight);
            promotions_.pop_front();
        }
        QMetaObject::invokeMethod(chooser, &QDialog::accept, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

std::string CTestHook::Help(const sHookRequest&) {
    std::vector<std::string> lines;
    for (const sHookCommand& command : kCommands) lines.emplace_back(command.usage);
    return CountedBlock(lines);
}

std::string CTestHook::Ping(const sHookRequest&) {
    const CMainFrame* frame = Frame();
    const bool shown = frame && frame->View()->Surface()->isExposed();
    return shown ? "ok ready" : "ok starting";
}

std::string CTestHook::Command(const sHookRequest& request) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    if (request.args.size() != 1) return Error("usage: command <id>");
    const int id = std::atoi(request.args[0].c_str());
    if (!FindCommand(id)) return Error("no command " + request.args[0]);
    return frame->Execute(id) ? "ok" : Error("command " + request.args[0] + " is disabled");
}

// What "Start!" in the Connect dialog leads to, with the command's rule.
std::string CTestHook::Connect(const sHookRequest& request) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    const auto& args = request.args;
    if (args.size() < 4 || (args[0] != "server" && args[0] != "client"))
        return Error("usage: connect server|client <address> <port> <nickname>");
    CTavlionView& view = *frame->View();
    if (!view.Scene().CanConnect() || !view.Net()) return Error("connecting is disabled");
    sConnectRequest connectRequest;
    connectRequest.server = args[0] == "server";
    connectRequest.address = args[1];
    connectRequest.port = ParsePortText(args[2]);
    connectRequest.discoverable = view.Scene().settings.discoverable != 0;
    connectRequest.nickname = args[3];
    for (size_t i = 4; i < args.size(); ++i) connectRequest.nickname += ' ' + args[i];
    const bool started = view.Net()->Start(connectRequest);
    frame->UpdateCommandStates();
    if (!started) return Error("not started");
    if (!connectRequest.server) return "ok";
    return "ok " + std::to_string(view.Net()->ListeningPort());
}

std::string CTestHook::Click(const sHookRequest& request) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    const std::optional<sSquare> square =
        request.args.size() == 1 ? ParseSquareName(request.args[0]) : std::nullopt;
    if (!square) return Error("usage: click <square>, e.g. click e2");
    CTavlionView& view = *frame->View();
    CGLSurface* surface = view.Surface();
    if (!surface->isExposed()) return Error("the board is not on screen");
    sWindowPoint pixel;
    const CScene& scene = view.Scene();
    if (!SquareToWindow(scene, square->x, square->y, pixel) || pixel.x < 0 || pixel.y < 0 ||
        pixel.x >= scene.viewWidth || pixel.y >= scene.viewHeight)
        return Error("the square is outside the view");
    // Into the middle of the device pixel, so the surface's rounding finds it.
    const qreal ratio = surface->devicePixelRatio();
    SendClick(surface, QPointF((pixel.x + 0.5) / ratio, (pixel.y + 0.5) / ratio));
    return "ok " + std::to_string(pixel.x) + " " + std::to_string(pixel.y);
}

std::string CTestHook::Say(const sHookRequest& request) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    CNetGame* net = frame->View()->Net();
    if (!net) return Error("no network");
    CChatDlg& chat = net->Chat();
    const size_t logged = chat.Log().size();
    chat.MessageEdit()->setText(net::AnsiToQString(request.rest));
    chat.SendButton()->click();
    // A line that went out is in the own log too.
    return chat.Log().size() > logged ? "ok" : Error("not sent");
}

std::string CTestHook::State(const sHookRequest&) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    const CScene& scene = frame->View()->Scene();
    const bool whiteToMove = scene.moveTable.entries.Count() % 2 == 0;
    return "ok " + BoardText(scene.board) + (whiteToMove ? " w" : " b") +
           " net=" + std::to_string(scene.networkGame) +
           " color=" + std::to_string(scene.settings.playerColor) +
           " current=" + std::to_string(scene.settings.currentMove) +
           " waiting=" + std::to_string(scene.waitingForPeer) +
           " started=" + std::to_string(scene.gameStarted) +
           " over=" + std::to_string(scene.board.gameOver) +
           " lost=" + std::to_string(scene.connectionLost);
}

std::string CTestHook::Moves(const sHookRequest&) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    const CMoveList& entries = frame->View()->Scene().moveTable.entries;
    std::vector<std::string> lines;
    for (int i = 0; i < entries.Count(); ++i) lines.push_back(entries[i]->text);
    return CountedBlock(lines);
}

std::string CTestHook::Chat(const sHookRequest&) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    CNetGame* net = frame->View()->Net();
    if (!net) return Error("no network");
    // The log is a "\r\n" before every line.
    const std::string& log = net->Chat().Log();
    std::vector<std::string> lines;
    for (size_t start = 0; start < log.size();) {
        const size_t end = log.find("\r\n", start);
        if (end != start) lines.push_back(log.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return CountedBlock(lines);
}

std::string CTestHook::Boxes(const sHookRequest&) {
    std::vector<std::string> lines;
    for (const sBox& box : boxes_) lines.push_back(box.caption + ": " + box.text);
    return CountedBlock(lines);
}

std::string CTestHook::Answer(const sHookRequest& request) {
    if (request.args.size() != 1 || (request.args[0] != "yes" && request.args[0] != "no"))
        return Error("usage: answer yes|no");
    answers_.push_back(request.args[0] == "yes");
    return "ok";
}

std::string CTestHook::Promote(const sHookRequest& request) {
    static constexpr const char* kNames[] = {"knight", "bishop", "rook", "queen"};
    for (int i = 0; i < 4; ++i)
        if (request.args.size() == 1 && request.args[0] == kNames[i]) {
            promotions_.push_back(kKnight + i);
            return "ok";
        }
    return Error("usage: promote knight|bishop|rook|queen");
}

std::string CTestHook::Where(const sHookRequest& request) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    QAction* action =
        request.args.size() == 1 ? frame->Action(std::atoi(request.args[0].c_str())) : nullptr;
    if (!action) return Error("usage: where <command id>");
    const QWidget* button = frame->ToolBar()->widgetForAction(action);
    if (!button || !button->isVisible()) return Error("not on the toolbar");
    const QPoint centre = button->mapToGlobal(button->rect().center());
    return "ok " + std::to_string(centre.x()) + " " + std::to_string(centre.y());
}

std::string CTestHook::Link(const sHookRequest&) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    const QLabel* pane = frame->findChild<QLabel*>(QStringLiteral("linkPane"));
    const std::string text = pane && !pane->isHidden() ? net::QStringToAnsi(pane->text()) : "";
    return "ok " + OneLine(text);
}

// The window closes as its close box would, after the reply has gone.
std::string CTestHook::Quit(const sHookRequest&) {
    QTimer::singleShot(0, this, [this] {
        CMainFrame* frame = Frame();
        if (!frame || frame->close()) QCoreApplication::quit();
    });
    return "ok";
}

std::string CTestHook::Status(const sHookRequest&) {
    CMainFrame* frame = Frame();
    if (!frame) return kNoWindow;
    frame->UpdateCommandStates();
    return "ok " + OneLine(frame->statusBar()->currentMessage().toStdString());
}
