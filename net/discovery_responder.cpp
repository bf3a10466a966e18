#include "net/discovery_responder.h"

#include <QNetworkDatagram>

CDiscoveryResponder::CDiscoveryResponder(const sDiscoveryScope& scope, Describe describe,
                                         QObject* parent)
    : QObject(parent), scope_(scope), describe_(std::move(describe)), socket_(this) {
    clock_.start();
    connect(&socket_, &QUdpSocket::readyRead, this, &CDiscoveryResponder::Read);
    // Shared, so that every program waiting on this machine hears the query.
    socket_.bind(QHostAddress::AnyIPv4, scope_.port,
                 QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
}

void CDiscoveryResponder::Read() {
    while (socket_.hasPendingDatagrams()) {
        // One byte more than a datagram of ours may have tells an oversized one.
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDiscoveryDatagram + 1);
        const QByteArray data = datagram.data();
        const auto bytes = std::span(reinterpret_cast<const uint8_t*>(data.constData()),
                                     static_cast<size_t>(data.size()));
        if (!datagram.isValid() || bytes.size() > kMaxDiscoveryDatagram ||
            !scope_.Hears(datagram.senderAddress()) || !IsDiscoveryQuery(bytes) ||
            !budget_.Take(static_cast<uint64_t>(clock_.elapsed())))
            continue;
        const std::vector<uint8_t> answer = EncodeDiscoveryAnswer(describe_());
        socket_.writeDatagram(reinterpret_cast<const char*>(answer.data()),
                              static_cast<qint64>(answer.size()), datagram.senderAddress(),
                              static_cast<quint16>(datagram.senderPort()));
        ++answersSent_;
    }
}
