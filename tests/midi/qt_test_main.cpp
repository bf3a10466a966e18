#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Widgets need an application; without a display they render offscreen.
int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
