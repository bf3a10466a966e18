#pragma once

#include <QHostAddress>
#include <QList>

#include <cstdint>

// How discovery travels. Every waiting program binds one fixed UDP port, the
// game's default port, shared with the others on the machine (address reuse),
// and names its own game port in its answers; a broadcast reaches every
// socket bound to the port, where a datagram to one address reaches only one.
// Queries go to the broadcast address of each local IPv4 network and to
// 127.255.255.255, the loopback network's, so that programs on one machine
// find each other even where a network broadcast is not looped back, or
// there is no network at all. Answers go straight back to the asker.
struct sDiscoveryScope {
    static constexpr uint16_t kDefaultPort = 5555;
    // Names a port of its own and keeps discovery on this machine: for tests,
    // which must not send to any other address.
    static constexpr const char* kLocalPortVariable = "TAVLION_LOCAL_DISCOVERY_PORT";

    uint16_t port = kDefaultPort;
    bool thisMachineOnly = false;

    static sDiscoveryScope FromEnvironment();
    static sDiscoveryScope ThisMachine(uint16_t port) { return {port, true}; }

    QList<QHostAddress> QueryTargets() const;
    // Whether a datagram from `sender` is heard at all.
    bool Hears(const QHostAddress& sender) const;
};
