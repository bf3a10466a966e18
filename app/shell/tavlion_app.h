#pragma once

#include "app/shell/tavlion_doc.h"

#include <QApplication>

#include <memory>

class CMainFrame;
class CTestHook;

// The application object: builds the frame, the document and the view and
// shows the main window.
class CTavlionApp : public QApplication {
    Q_OBJECT
public:
    CTavlionApp(int& argc, char** argv);
    ~CTavlionApp() override;

    // Returns false when the program cannot start.
    bool InitInstance();
    // Creates the window without showing it (the tests drive it hidden).
    bool CreateMainWindow();
    void DestroyMainWindow();

    CMainFrame* MainFrame() const { return frame_.get(); }

private:
    CTavlionDoc document_;
    std::unique_ptr<CTestHook> testHook_; // only when a test drives the program
    std::unique_ptr<CMainFrame> frame_;
};
