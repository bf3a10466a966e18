#include "net/discovery_scope.h"

#include <QNetworkInterface>

#include <cstdlib>

namespace {

const QHostAddress kLoopbackBroadcast(QStringLiteral("127.255.255.255"));

} // namespace

sDiscoveryScope sDiscoveryScope::FromEnvironment() {
    const char* text = std::getenv(kLocalPortVariable);
    if (!text || !*text) return {};
    char* end = nullptr;
    const long port = std::strtol(text, &end, 10);
    // A variable that names no port still keeps discovery on this machine.
    return ThisMachine(*end == '\0' && port > 0 && port <= 65535 ? uint16_t(port) : kDefaultPort);
}

QList<QHostAddress> sDiscoveryScope::QueryTargets() const {
    QList<QHostAddress> targets{kLoopbackBroadcast};
    if (thisMachineOnly) return targets;
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        const auto flags = face.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            !(flags & QNetworkInterface::CanBroadcast) || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : face.addressEntries()) {
            const QHostAddress broadcast = entry.broadcast();
            if (broadcast.protocol() == QAbstractSocket::IPv4Protocol &&
                !targets.contains(broadcast))
                targets.append(broadcast);
        }
    }
    return targets;
}

bool sDiscoveryScope::Hears(const QHostAddress& sender) const {
    return !thisMachineOnly || sender.isLoopback();
}
