#include <QCoreApplication>

#include <gtest/gtest.h>

// The local sockets and child processes want an application object.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
