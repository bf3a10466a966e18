#pragma once

#include "app/shell/main_frame.h"
#include "app/shell/tavlion_app.h"
#include "app/shell/tavlion_view.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

// The application and a fresh main window for each test, started in an
// empty working directory that sees the staged engine and data folders.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CTavlionApp& App();
    CMainFrame& Frame() { return *App().MainFrame(); }
    CTavlionView& View() { return *Frame().View(); }
    CScene& Scene() { return View().Scene(); }

    // Shows the window and waits until its GL surface is on screen.
    void ShowWindow(int width = 800, int height = 600);
    // The rendered frame's colour at a pixel, as 0..255 components.
    static QColor PixelAt(const QImage& frame, int x, int y) { return frame.pixelColor(x, y); }
    // Where the centre of square (x, y) lands in the view, in the logical
    // window coordinates the mouse reports.
    QPointF SquareOnScreen(int x, int y);
    bool Enabled(int commandId);
    bool Checked(int commandId);

    // Staged data folders the working directory goes without; set before SetUp.
    std::vector<std::string> withheld;
    std::filesystem::path workDir;
    std::filesystem::path previousDir;
    std::vector<std::string> boxes;
};
