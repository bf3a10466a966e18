#include "net/connection.h"

#include "board/rules.h"
#include "net/chat_dialog.h"
#include "net/connect_dialog.h"
#include "net/net_game_host.h"
#include "net/peer_move.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstring>

namespace {

constexpr int kListenBacklog = 5;
constexpr qsizetype kMaxErrorText = 255;

std::string Capped(std::string text, size_t bytes) {
    if (text.size() > bytes) text.resize(bytes);
    return text;
}

// A dotted address as it stands, a host name resolved to its first IPv4
// address.
QHostAddress LocalAddress(const std::string& text) {
    const QString name = QString::fromStdString(text);
    if (QHostAddress address(name); !address.isNull()) return address;
    for (const QHostAddress& address : QHostInfo::fromName(name).addresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol) return address;
    return {};
}

// Sockets are dropped from inside their own notifications, so they go
// later and say nothing more.
template <class Socket> void Discard(Socket*& socket) {
    if (!socket) return;
    socket->disconnect();
    socket->close();
    socket->deleteLater();
    socket = nullptr;
}

} // namespace

CNetGame::CNetGame(CNetGameHost& game, QWidget* window)
    : game_(game), chat_(new CChatDlg(
                       window, [this](const std::string& message) { return SendChat(message); })) {
    callTimer_.setSingleShot(true);
    connect(&callTimer_, &QTimer::timeout, this, [this] {
        if (IsCalling()) OnCallFailed();
    });
}

CNetGame::~CNetGame() {
    callTimer_.stop();
    Discard(peer_);
    Discard(listener_);
    delete chat_.data();
}

// --- starting ---

void CNetGame::Connect(QWidget* parent) {
    if (game_.IsNetworkGame()) return;
    CConnectDlg dialog(parent);
    dialog.nickname = game_.Nickname();
    dialog.Prepare();
    if (dialog.exec() != QDialog::Accepted) return;
    Start({dialog.nickname, dialog.address, ParsePortText(dialog.port), dialog.mode == 1});
}

bool CNetGame::Start(const sConnectRequest& request) {
    if (game_.IsNetworkGame()) return false;
    game_.SetNickname(Capped(request.nickname, kMaxNicknameBytes));
    server_ = request.server;
    DropConnection();
    bool started = false;
    if (request.port < 0 || request.port > 65535) {
        platform::ShowMessageBox(kBadPort);
    } else if (request.server) {
        started = Listen(request);
    } else {
        callAddress_ = request.address;
        callPort_ = static_cast<uint16_t>(request.port);
        Call();
        started = true;
    }
    game_.Redraw();
    Changed();
    return started;
}

bool CNetGame::Listen(const sConnectRequest& request) {
    listener_ = new QTcpServer(this);
    listener_->setListenBacklogSize(kListenBacklog);
    connect(listener_, &QTcpServer::newConnection, this, &CNetGame::OnIncoming);
    if (!listener_->listen(LocalAddress(request.address), static_cast<uint16_t>(request.port))) {
        platform::ShowMessageBox("Cannot wait for an opponent at " + request.address + ", port " +
                                 std::to_string(request.port) + ":\n" +
                                 listener_->errorString().left(kMaxErrorText).toStdString());
        Discard(listener_);
        return false;
    }
    // The address is passed on only once an opponent can reach it there.
    if (!platform::CopyToClipboard(request.address)) {
        Discard(listener_);
        return false;
    }
    game_.OnListening();
    platform::ShowMessageBox(kAddressCopied);
    return true;
}

bool CNetGame::IsListening() const {
    return listener_ && listener_->isListening();
}

uint16_t CNetGame::ListeningPort() const {
    return IsListening() ? listener_->serverPort() : 0;
}

// --- calling side ---

void CNetGame::Call() {
    auto* socket = new QTcpSocket(this);
    Attach(socket);
    connect(socket, &QTcpSocket::connected, this, [this] {
        peerConnected_ = true;
        callTimer_.stop();
    });
    // The question waits for the user; it is asked outside the socket's call.
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        QTimer::singleShot(0, this, [this, socket] {
            if (peer_ == socket && !peerConnected_) OnCallFailed();
        });
    });
    callTimer_.start(callTimeoutMs);
    socket->connectToHost(QString::fromStdString(callAddress_), callPort_);
}

void CNetGame::OnCallFailed() {
    callTimer_.stop();
    Discard(peer_);
    const int session = session_;
    const QPointer<CNetGame> alive(this);
    const int answer =
        platform::ShowMessageBox(kNotConnected, kConnectingCaption, platform::kYesNo);
    if (!alive || session != session_) return;
    if (answer == platform::kIdYes) return Call();
    Changed();
}

// --- listening side ---

void CNetGame::OnIncoming() {
    while (listener_ && listener_->hasPendingConnections()) {
        QTcpSocket* socket = listener_->nextPendingConnection();
        // One opponent per game: a later caller is turned away at once.
        if (peer_) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        Attach(socket);
        peerConnected_ = true;
        Send(CPkg::Text(PKG_HELLO, OwnNickname() + kGreeting));
    }
}

// --- both sides ---

void CNetGame::Attach(QTcpSocket* socket) {
    peer_ = socket;
    stream_ = CPkgStream();
    connect(socket, &QTcpSocket::readyRead, this, &CNetGame::ReadPeer);
    connect(socket, &QTcpSocket::disconnected, this, &CNetGame::OnPeerLost);
}

void CNetGame::ReadPeer() {
    // A packet's handling may wait for the user, and meanwhile more bytes
    // arrive; they are read by the loop below, in order.
    if (reading_ || !peer_) return;
    reading_ = true;
    QTcpSocket* const socket = peer_;
    PkgStatus status = PkgStatus::NeedMore;
    do {
        const QByteArray bytes = socket->readAll();
        stream_.Append(bytes.constData(), static_cast<size_t>(bytes.size()));
        CPkg pkg;
        while (peer_ == socket && (status = stream_.Next(pkg)) == PkgStatus::Complete) Handle(pkg);
    } while (peer_ == socket && status == PkgStatus::NeedMore && socket->bytesAvailable() > 0);
    reading_ = false;
    if (peer_ != socket) return;
    if (status == PkgStatus::Bad) return Refuse(kTextTooLong);
    if (peerLeft_) OnPeerLost();
}

void CNetGame::OnPeerLost() {
    if (reading_) {
        peerLeft_ = true;
        return;
    }
    // A partial packet at the end is dropped with the connection.
    if (!peer_ || !peerConnected_) return;
    // A caller turned away by a busy listening side never had an opponent.
    const bool beforeGreeting = !server_ && !game_.IsNetworkGame();
    Refuse(beforeGreeting ? kClosedBeforeGame : kOpponentLeft);
}

void CNetGame::Handle(const CPkg& pkg) {
    switch (pkg.kind) {
    case PKG_HELLO:
        peerNickname_ = pkg.text.ends_with(kGreeting)
                            ? pkg.text.substr(0, pkg.text.size() - std::strlen(kGreeting))
                            : std::string();
        if (server_) {
            chat_->ShowLine(pkg.text);
            game_.OnNetworkGameBegun();
            Send(CPkg::Text(PKG_COLOR, game_.PlayerColor() == kBlack ? "BLACK" : "WHITE"));
        } else {
            Send(CPkg::Text(PKG_HELLO, OwnNickname() + kGreeting));
            game_.OnNetworkGameBegun();
            chat_->ShowLine(pkg.text);
        }
        return Changed();
    case PKG_CHAT:
        chat_->ShowLine(pkg.text);
        if (server_ && !game_.IsNetworkGame()) {
            game_.OnNetworkGameBegun();
            Changed();
        }
        return;
    case PKG_COLOR:
        if (!server_) game_.OnPeerColour(pkg.text);
        return Changed();
    case PKG_MOVE:
        if (!IsPlausiblePeerMove(game_.Board(), Opponent(game_.PlayerColor()), pkg))
            return Refuse(kImpossibleMove);
        game_.OnPeerMove(pkg.fromColumn, pkg.fromRow, pkg.toColumn, pkg.toRow, pkg.rights);
        return Changed();
    case PKG_NEWGAME:
        game_.OnPeerNewGame();
        return Changed();
    default:
        return;
    }
}

bool CNetGame::Send(const CPkg& pkg) {
    if (!HasPeer()) return false;
    const std::vector<uint8_t> bytes = pkg.ToBytes();
    const auto size = static_cast<qint64>(bytes.size());
    QTcpSocket* const socket = peer_;
    if (socket->write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        // Only the calling side tells; the listening side's peer will be
        // noticed leaving.
        if (!server_)
            platform::ShowMessageBox(socket->errorString().left(kMaxErrorText).toStdString());
        return false;
    }
    socket->flush();
    return true;
}

bool CNetGame::SendChat(const std::string& message) {
    const std::string line = OwnNickname() + " : " + Capped(message, kMaxChatMessageBytes);
    if (!Send(CPkg::Text(PKG_CHAT, line))) return false;
    chat_->AppendLine(line);
    return true;
}

std::string CNetGame::OwnNickname() const {
    // A settings file may hold a longer name than the Connect dialog takes.
    return Capped(game_.Nickname(), kMaxNicknameBytes);
}

void CNetGame::SendMove(int fromX, int fromY, int toX, int toY, const sRuleState& rules) {
    Send(CPkg::Move(fromX, fromY, toX, toY, rules));
}

void CNetGame::SendNewGame() {
    Send(CPkg::Text(PKG_NEWGAME, {}));
}

// --- closing ---

void CNetGame::DropConnection() {
    ++session_;
    callTimer_.stop();
    Discard(peer_);
    Discard(listener_);
    peerConnected_ = false;
    peerLeft_ = false;
    stream_ = CPkgStream();
    game_.OnConnectionClosed();
}

void CNetGame::Close() {
    // Also called while the window goes away; with nothing open it stays quiet.
    const bool open = peer_ || listener_ || game_.IsNetworkGame();
    DropConnection();
    if (open) Changed();
}

void CNetGame::Refuse(const char* why) {
    DropConnection();
    Changed();
    platform::ShowMessageBox(why);
    game_.Redraw();
}

CChatDlg& CNetGame::Chat() {
    return *chat_;
}

void CNetGame::ShowChat() {
    chat_->ShowCentred();
}

void CNetGame::Changed() {
    emit StateChanged();
}
