#include "net/discovery_browser.h"

#include "net/discovery_datagram.h"

#include <QNetworkDatagram>

#include <algorithm>
#include <tuple>

CDiscoveryBrowser::CDiscoveryBrowser(const sDiscoveryScope& scope, QObject* parent)
    : QObject(parent), scope_(scope), socket_(this), timer_(this) {
    clock_.start();
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &CDiscoveryBrowser::Ask);
    connect(&socket_, &QUdpSocket::readyRead, this, &CDiscoveryBrowser::Read);
}

void CDiscoveryBrowser::Start() {
    if (IsRunning()) return;
    if (socket_.state() != QAbstractSocket::BoundState) socket_.bind(QHostAddress::AnyIPv4, 0);
    timer_.start();
    Ask();
}

void CDiscoveryBrowser::Stop() {
    timer_.stop();
}

void CDiscoveryBrowser::Ask() {
    const std::vector<uint8_t> query = EncodeDiscoveryQuery();
    for (const QHostAddress& target : scope_.QueryTargets())
        socket_.writeDatagram(reinterpret_cast<const char*>(query.data()),
                              static_cast<qint64>(query.size()), target, scope_.port);
    const qint64 now = clock_.elapsed();
    const auto gone = std::remove_if(players_.begin(), players_.end(),
                                     [now](const auto& p) { return now - p.heardMs > kForgetMs; });
    if (gone == players_.end()) return;
    players_.erase(gone, players_.end());
    emit PlayersChanged();
}

void CDiscoveryBrowser::Read() {
    bool changed = false;
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDiscoveryDatagram + 1);
        const QByteArray data = datagram.data();
        if (!datagram.isValid() || !scope_.Hears(datagram.senderAddress())) continue;
        const auto answer = DecodeDiscoveryAnswer(std::span(
            reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())));
        if (!answer) continue;
        const QHostAddress at = answer->address
                                    ? QHostAddress(answer->address)
                                    : QHostAddress(datagram.senderAddress().toIPv4Address());
        changed |= Heard({answer->instance, answer->nickname, at.toString().toStdString(),
                          answer->port, answer->color, clock_.elapsed()});
    }
    if (changed) emit PlayersChanged();
}

bool CDiscoveryBrowser::Heard(sFoundPlayer player) {
    const auto known = std::find_if(players_.begin(), players_.end(),
                                    [&](const auto& p) { return p.instance == player.instance; });
    if (known == players_.end() && players_.size() >= kMaxPlayers) return false;
    if (known != players_.end()) {
        known->heardMs = player.heardMs;
        // The first way a player was heard on stays its address.
        player.address = known->address;
        if (std::tie(known->nickname, known->port, known->color) ==
            std::tie(player.nickname, player.port, player.color))
            return false;
        *known = std::move(player);
    } else {
        players_.push_back(std::move(player));
    }
    std::sort(players_.begin(), players_.end(), [](const auto& a, const auto& b) {
        return std::tie(a.nickname, a.address, a.port) < std::tie(b.nickname, b.address, b.port);
    });
    return true;
}
