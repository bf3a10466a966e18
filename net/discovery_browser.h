#pragma once

#include "net/discovery_scope.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <cstdint>
#include <string>
#include <vector>

// A player waiting for an opponent somewhere on the network.
struct sFoundPlayer {
    uint32_t instance = 0;
    std::string nickname; // Windows-1252
    std::string address;  // dotted IPv4
    uint16_t port = 0;
    int color = 0; // the colour the waiting player plays
    qint64 heardMs = 0;
};

// Asks the network who waits for an opponent, every two seconds while it
// runs, and keeps the players that answered lately.
class CDiscoveryBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 2000;
    // A player not heard in two refreshes is gone.
    static constexpr int kForgetMs = 2 * kRefreshMs + 1000;
    static constexpr size_t kMaxPlayers = 64;

    explicit CDiscoveryBrowser(const sDiscoveryScope& scope, QObject* parent = nullptr);

    // Starting asks at once.
    void Start();
    void Stop();
    bool IsRunning() const { return timer_.isActive(); }
    // By nickname, then address and port.
    const std::vector<sFoundPlayer>& Players() const { return players_; }

signals:
    void PlayersChanged();

private:
    void Ask();
    void Read();
    // True when the list shows something new.
    bool Heard(sFoundPlayer player);

    sDiscoveryScope scope_;
    QUdpSocket socket_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<sFoundPlayer> players_;
};
