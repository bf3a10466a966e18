#include "net/discovery_scope.h"

#include <QApplication>
#include <QUdpSocket>

#include <gtest/gtest.h>

// The dialogs and sockets need an application object; no display is used.
// Discovery stays on this machine, on a port of this run's own.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QUdpSocket probe;
    if (!probe.bind(QHostAddress::LocalHost, 0)) return 1;
    qputenv(sDiscoveryScope::kLocalPortVariable, QByteArray::number(probe.localPort()));
    probe.close();
    return RUN_ALL_TESTS();
}
