#include "app/shell/tavlion_app.h"

#include "app/shell/main_frame.h"
#include "app/shell/qt_message_box.h"
#include "app/shell/shell_images.h"
#include "app/shell/tavlion_view.h"
#include "app/shell/test_hook.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"

#include <QAbstractEventDispatcher>
#include <QIcon>
#include <QScreen>

CTavlionApp::CTavlionApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tavlion"));
    setApplicationVersion(QStringLiteral("1.4"));
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setQuitOnLastWindowClosed(true);
    QIcon icon;
    for (const char* name : {"icon.png", "icon_64.png"})
        if (const QString path = FindShellFile(QLatin1String(name)); !path.isEmpty())
            icon.addFile(path);
    setWindowIcon(icon);
    // The engine searches on this thread's behalf and keeps the window alive
    // through the pump while it does.
    platform::SetMessagePump([] {
        QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher();
        return dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
    });
}

CTavlionApp::~CTavlionApp() {
    DestroyMainWindow();
    platform::SetMessagePump({});
    platform::SetMessageBoxHandler({});
}

void CTavlionApp::DestroyMainWindow() {
    frame_.reset();
}

bool CTavlionApp::CreateMainWindow() {
    frame_ = std::make_unique<CMainFrame>();
    if (!frame_->View()->Create()) return false;
    frame_->UpdateCommandStates();
    return true;
}

bool CTavlionApp::InitInstance() {
    // A test that drives the program answers its message boxes itself.
    testHook_ = CTestHook::FromEnvironment(*this);
    if (!testHook_) InstallQtMessageBoxHandler(nullptr);
    if (!CreateMainWindow()) return false;
    if (!testHook_) InstallQtMessageBoxHandler(frame_.get());
    // Without a window manager nobody maximises; the screen's size stands in.
    if (const QScreen* screen = frame_->screen()) frame_->setGeometry(screen->availableGeometry());
    frame_->showMaximized();
    frame_->setWindowTitle(QStringLiteral("Tavlion"));
    frame_->View()->OfferUnfinishedGameAfterSplash();
    return true;
}
