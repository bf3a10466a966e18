#include "net/connection.h"

#include "board/rules.h"
#include "net/chat_dialog.h"
#include "net/connect_dialog.h"
#include "net/discovery_responder.h"
#include "net/net_game_host.h"
#include "net/peer_move.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QRandomGenerator>
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

// "192.168.1.7" rather than "::ffff:192.168.1.7".
std::string AddressText(const QHostAddress& address) {
    bool isIPv4 = false;
    const quint32 v4 = address.toIPv4Address(&isIPv4);
    return (isIPv4 ? QHostAddress(v4) : address).toString().toStdString();
}

// The nickname a greeting starts with.
std::string NameInGreeting(const std::string& text) {
    const std::string_view greeting = CNetGame::kGreeting;
    return text.ends_with(greeting) ? text.substr(0, text.size() - greeting.size()) : text;
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
    instance_ = QRandomGenerator::global()->generate();
    callTimer_.setSingleShot(true);
    connect(&callTimer_, &QTimer::timeout, this, [this] {
        if (IsCalling()) OnCallFailed();
    });
    redialTimer_.setSingleShot(true);
    connect(&redialTimer_, &QTimer::timeout, this, [this] {
        if (resuming_ && !peer_) Call();
    });
}

CNetGame::~CNetGame() {
    callTimer_.stop();
    redialTimer_.stop();
    Discard(peer_);
    Discard(listener_);
    delete chat_.data();
}

// --- starting ---

void CNetGame::Connect(QWidget* parent) {
    if (game_.IsNetworkGame()) return;
    CConnectDlg dialog(parent, discoveryScope);
    dialog.nickname = game_.Nickname();
    dialog.discoverable = game_.Discoverable();
    dialog.Prepare();
    if (dialog.exec() != QDialog::Accepted) return;
    game_.SetDiscoverable(dialog.discoverable);
    Start({dialog.nickname, dialog.address, ParsePortText(dialog.port), dialog.mode == 1,
           dialog.discoverable});
}

bool CNetGame::Start(const sConnectRequest& request) {
    if (game_.IsNetworkGame()) return false;
    game_.SetNickname(Capped(request.nickname, kMaxNicknameBytes));
    server_ = request.server;
    discoverable_ = request.discoverable;
    DropConnection();
    peerName_.clear();
    peerAddress_.clear();
    bool started = false;
    if (request.port < 0 || request.port > 65535) {
        platform::ShowMessageBox(kBadPort);
    } else if (request.server) {
        started = Listen(request);
    } else {
        address_ = request.address;
        port_ = static_cast<uint16_t>(request.port);
        Call();
        started = true;
    }
    game_.Redraw();
    Changed();
    return started;
}

bool CNetGame::Listen(const sConnectRequest& request) {
    if (!OpenListener(request.address, request.port)) return false;
    // The address is passed on only once an opponent can reach it there.
    if (!platform::CopyToClipboard(request.address)) {
        Discard(listener_);
        return false;
    }
    StartAnswering();
    game_.OnListening();
    platform::ShowMessageBox(kAddressCopied);
    return true;
}

bool CNetGame::OpenListener(const std::string& address, int port) {
    listener_ = new QTcpServer(this);
    listener_->setListenBacklogSize(kListenBacklog);
    connect(listener_, &QTcpServer::newConnection, this, &CNetGame::OnIncoming);
    if (!listener_->listen(LocalAddress(address), static_cast<uint16_t>(port))) {
        platform::ShowMessageBox("Cannot wait for an opponent at " + address + ", port " +
                                 std::to_string(port) + ":\n" +
                                 listener_->errorString().left(kMaxErrorText).toStdString());
        Discard(listener_);
        return false;
    }
    address_ = address;
    port_ = listener_->serverPort();
    return true;
}

void CNetGame::StartAnswering() {
    if (!discoverable_ || !IsListening()) return;
    const QHostAddress at = listener_->serverAddress();
    // A side that waits on this machine's loopback is found only from here.
    sDiscoveryScope scope = discoveryScope;
    scope.thisMachineOnly |= at.isLoopback();
    const bool named =
        at.protocol() == QAbstractSocket::IPv4Protocol && at != QHostAddress::AnyIPv4;
    responder_ = new CDiscoveryResponder(
        scope,
        [this, address = named ? at.toIPv4Address() : 0] {
            return sDiscoveryAnswer{instance_, address, ListeningPort(),
                                    uint8_t(game_.PlayerColor() == kBlack ? 1 : 0), OwnNickname()};
        },
        this);
}

void CNetGame::StopAnswering() {
    if (!responder_) return;
    responder_->deleteLater();
    responder_ = nullptr;
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
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        peerConnected_ = true;
        callTimer_.stop();
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        peerAddress_ = AddressText(socket->peerAddress());
        Changed();
    });
    // The question waits for the user; it is asked outside the socket's call.
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        QTimer::singleShot(0, this, [this, socket] {
            if (peer_ == socket && !peerConnected_) OnCallFailed();
        });
    });
    callTimer_.start(callTimeoutMs);
    socket->connectToHost(QString::fromStdString(address_), port_);
}

void CNetGame::OnCallFailed() {
    callTimer_.stop();
    Discard(peer_);
    // Taking up a lost game calls again quietly for a while: the other side
    // may not have chosen Reconnect yet.
    if (resuming_ && ++redials_ < redialAttempts) {
        redialTimer_.start(redialDelayMs);
        return Changed();
    }
    redials_ = 0;
    const int session = session_;
    const QPointer<CNetGame> alive(this);
    const int answer =
        platform::ShowMessageBox(kNotConnected, kConnectingCaption, platform::kYesNo);
    if (!alive || session != session_) return;
    if (answer == platform::kIdYes) return Call();
    resuming_ = false;
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
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        Attach(socket);
        peerConnected_ = true;
        peerAddress_ = AddressText(socket->peerAddress());
        // Found: nobody else need ask for this game now.
        StopAnswering();
        Send(CPkg::Text(PKG_HELLO, OwnNickname() + kGreeting));
        Changed();
    }
}

// --- both sides ---

void CNetGame::Attach(QTcpSocket* socket) {
    // Whatever an earlier caller sent or did is not this one's.
    peer_ = socket;
    stream_ = CPkgStream();
    peerLeft_ = false;
    peerSentGame_ = false;
    peerGame_.reset();
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
    if (resuming_ && !game_.IsNetworkGame()) {
        // Gone before the greeting: not the opponent, or not there yet.
        peerConnected_ = false;
        if (!server_) return OnCallFailed();
        Discard(peer_);
        StartAnswering();
        return Changed();
    }
    if (game_.IsNetworkGame() || resuming_) return Lose();
    // A caller turned away by a busy listening side never had an opponent.
    Refuse(server_ ? kOpponentLeft : kClosedBeforeGame);
}

void CNetGame::Handle(const CPkg& pkg) {
    switch (pkg.kind) {
    case PKG_HELLO:
        OnPeerHello(pkg);
        return Changed();
    case PKG_CHAT:
        chat_->ShowLine(pkg.text);
        if (server_ && !game_.IsNetworkGame()) {
            game_.OnNetworkGameBegun();
            Changed();
        }
        return;
    case PKG_COLOR:
        if (server_) return Changed();
        game_.OnPeerColour(pkg.text);
        if (resuming_) SettleResume();
        return Changed();
    case PKG_MOVE:
        if (!IsPlausiblePeerMove(game_.Board(), Opponent(game_.PlayerColor()), pkg))
            return Refuse(kImpossibleMove);
        game_.OnPeerMove(pkg.fromColumn, pkg.fromRow, pkg.toColumn, pkg.toRow, pkg.rights);
        return Changed();
    case PKG_NEWGAME:
        game_.OnPeerNewGame();
        return Changed();
    case PKG_GAME:
        return OnPeerGame(pkg);
    case PKG_RESIGN:
        game_.OnPeerResign();
        return Changed();
    case PKG_DRAW:
        game_.OnPeerDraw(pkg.text);
        return Changed();
    default:
        return;
    }
}

void CNetGame::OnPeerHello(const CPkg& pkg) {
    peerName_ = NameInGreeting(pkg.text);
    if (server_) {
        chat_->ShowLine(pkg.text);
        game_.OnNetworkGameBegun();
        // A caller that took up the game sent its own before its greeting.
        if (resuming_ && peerSentGame_) SendOwnGame();
        Send(CPkg::Text(PKG_COLOR, game_.PlayerColor() == kBlack ? "BLACK" : "WHITE"));
        if (resuming_) SettleResume();
    } else {
        if (resuming_) SendOwnGame();
        Send(CPkg::Text(PKG_HELLO, OwnNickname() + kGreeting));
        game_.OnNetworkGameBegun();
        chat_->ShowLine(pkg.text);
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

void CNetGame::SendResign() {
    Send(CPkg::Text(PKG_RESIGN, {}));
}

void CNetGame::SendDraw(const std::string& word) {
    Send(CPkg::Text(PKG_DRAW, word));
}

sLinkStatus CNetGame::LinkStatus() const {
    sLinkStatus status{LinkState::Idle, address_, port_, peerName_, peerAddress_};
    if (resuming_)
        status.state = server_ ? LinkState::Relistening : LinkState::Recalling;
    else if (lost_)
        status.state = LinkState::Lost;
    else if (HasPeer() && game_.IsNetworkGame())
        status.state = LinkState::Connected;
    else if (IsListening())
        status.state = LinkState::Listening;
    else if (peer_)
        status.state = LinkState::Calling;
    return status;
}

// --- closing ---

void CNetGame::DropSockets() {
    ++session_;
    callTimer_.stop();
    redialTimer_.stop();
    Discard(peer_);
    Discard(listener_);
    StopAnswering();
    peerConnected_ = false;
    peerLeft_ = false;
    stream_ = CPkgStream();
}

void CNetGame::DropConnection() {
    DropSockets();
    lost_ = false;
    resuming_ = false;
    game_.OnConnectionClosed();
}

void CNetGame::Close() {
    // Also called while the window goes away; with nothing open it stays quiet.
    const bool open = peer_ || listener_ || lost_ || game_.IsNetworkGame();
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
