#pragma once

#include "engine/engine_api.h"
#include "net/discovery_scope.h"
#include "net/game_record.h"
#include "net/link_status.h"
#include "net/packet_stream.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>

class CChatDlg;
class CDiscoveryResponder;
class CNetGameHost;
class QTcpServer;
class QTcpSocket;
class QWidget;

// What the "Connect" dialog asks for.
struct sConnectRequest {
    std::string nickname; // Windows-1252
    std::string address;  // dotted address or host name
    int port = 5555;
    bool server = true; // wait for the opponent rather than call it
    // A waiting side answers the discovery queries of players on the network.
    bool discoverable = true;
};

// Network play for one game: the listening or calling socket,
// the connection to the opponent, the packets both ways and the chat window.
// Everything happens on the user-interface thread as the sockets report.
class CNetGame : public QObject {
    Q_OBJECT
public:
    // `window` is the main window, parent of the chat window.
    CNetGame(CNetGameHost& game, QWidget* window);
    ~CNetGame() override;
    CNetGame(const CNetGame&) = delete;
    CNetGame& operator=(const CNetGame&) = delete;

    // The Connect command: the dialog, then Start with its answers.
    void Connect(QWidget* parent);
    // Listens or calls without the dialog; whatever was listening or
    // calling before is dropped. False when nothing was started.
    bool Start(const sConnectRequest& request);
    // Close Connection: drops every socket; the peer is not told.
    void Close();
    // After the connection was lost during a game: the side that called
    // calls the same address again, the side that waited waits there again.
    // Once connected, both compare their games and go on where they agree.
    // False when there is nothing to take up.
    bool Reconnect();
    // Chat with Opponent: the chat window, centred on the screen.
    void ShowChat();

    // Local events for the opponent.
    void SendMove(int fromX, int fromY, int toX, int toY, const sRuleState& rules);
    void SendNewGame();
    void SendResign();
    void SendDraw(const std::string& word);

    CChatDlg& Chat();
    bool IsListening() const;
    // The port the listening socket got (the one asked for, or the system's
    // choice for port 0); 0 when not listening.
    uint16_t ListeningPort() const;
    // A connection to the opponent stands.
    bool HasPeer() const { return peer_ && peerConnected_; }
    bool IsCalling() const { return peer_ && !peerConnected_; }
    // The last Start waited for the opponent rather than called it.
    bool IsServer() const { return server_; }
    // The name the opponent greeted with; empty before the greeting.
    const std::string& PeerNickname() const { return peerName_; }
    // The connection dropped during a game, which Reconnect may take up.
    bool IsLost() const { return lost_; }
    // Answering discovery queries while waiting for an opponent.
    bool IsDiscoverable() const { return responder_ != nullptr; }
    sLinkStatus LinkStatus() const;

    // Where discovery queries are answered; read from the environment.
    sDiscoveryScope discoveryScope = sDiscoveryScope::FromEnvironment();

    // How long one attempt to reach a listening side may take.
    int callTimeoutMs = 15000;
    // Reconnect calls again this often, and this many times before it asks.
    int redialDelayMs = 2000;
    int redialAttempts = 60;

    static constexpr const char* kGreeting = " : Connected! Start to play...";
    static constexpr const char* kAddressCopied =
        "The IP address is in clipboard.\nPlease give this address to your opponent.";
    static constexpr const char* kNotConnected = "Not Connected. Do Yo want to try again?";
    static constexpr const char* kConnectingCaption = "Connecting Server...";
    static constexpr const char* kOpponentLeft =
        "Your opponent has left the game. The connection is closed.";
    static constexpr const char* kClosedBeforeGame =
        "The other player closed the connection before the game began; a game may already be "
        "running there.";
    static constexpr const char* kTextTooLong =
        "Your opponent sent a message longer than 64 KiB. The connection is closed.";
    static constexpr const char* kImpossibleMove =
        "Your opponent sent a move that is not possible on this board. The connection is "
        "closed.";
    static constexpr const char* kBadPort = "The port must be a number from 0 to 65535.";
    static constexpr const char* kGamesDiffer =
        "The game here and your opponent's differ, so it cannot go on together. Each of you "
        "keeps your own game; the connection is closed.";
    static constexpr const char* kNotResumed =
        "Your opponent did not take up the lost game, so a new game begins.";

signals:
    // The connection state the commands depend on may have changed.
    void StateChanged();

private:
    bool Listen(const sConnectRequest& request);
    // The listening socket alone; says why when it cannot be had.
    bool OpenListener(const std::string& address, int port);
    void StartAnswering();
    void StopAnswering();
    void Call();
    void OnCallFailed();
    void OnIncoming();
    void Attach(QTcpSocket* socket);
    void ReadPeer();
    void OnPeerLost();
    void Handle(const CPkg& pkg);
    void OnPeerHello(const CPkg& pkg);
    bool Send(const CPkg& pkg);
    bool SendChat(const std::string& message);
    // The nickname as it is sent: never longer than kMaxNicknameBytes.
    std::string OwnNickname() const;
    // No sockets any more; the game is not told.
    void DropSockets();
    // Back to idle: no sockets, no network game, nothing awaited.
    void DropConnection();
    // Drops the connection over bad input from the peer and says why.
    void Refuse(const char* why);
    void Changed();

    // Taking up a lost game (connection_resume.cpp). Once the new connection
    // is greeted each side sends its game, the calling side first, and
    // compares it with the peer's; a peer that sends none is taken for a new
    // opponent.
    void Lose();
    sGameRecord OwnGame() const;
    void SendOwnGame();
    void OnPeerGame(const CPkg& pkg);
    void SettleResume();

    CNetGameHost& game_;
    bool server_ = true;
    QPointer<CChatDlg> chat_;
    QTcpServer* listener_ = nullptr;
    CDiscoveryResponder* responder_ = nullptr;
    QTcpSocket* peer_ = nullptr;
    bool peerConnected_ = false;
    CPkgStream stream_;
    QTimer callTimer_;
    QTimer redialTimer_;
    int redials_ = 0;
    // Where this side calls, or waits (with the port it got).
    std::string address_;
    uint16_t port_ = 0;
    bool discoverable_ = true;
    uint32_t instance_ = 0;
    // Who the opponent is, for the status bar and an exported game.
    std::string peerName_;
    std::string peerAddress_;
    // A game lost its connection; resuming_: the current attempt takes it up.
    bool lost_ = false;
    bool resuming_ = false;
    bool peerSentGame_ = false;
    std::optional<sGameRecord> peerGame_; // empty when what it sent was unreadable
    // Counts drops, so a question answered late knows its socket is gone.
    int session_ = 0;
    bool reading_ = false;
    bool peerLeft_ = false;
};
