#pragma once

#include <QMainWindow>
#include <QRect>
#include <QString>

#include <map>

class CTavlionView;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
struct sCommand;

// The main window: menus, the dockable toolbar and the status bar around
// the one view, all built from the command table.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();

    CTavlionView* View() const { return view_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QAction* Action(int commandId) const;

    // Runs a command as its menu entry, button or key would: nothing
    // happens when its enabled rule says no.
    bool Execute(int commandId);

    // Evaluates every enabled and checked rule and shows the result.
    void UpdateCommandStates();

    // The view alone on the whole screen, without the menu, tool and status
    // bars; leaving it brings back the window as it was.
    void SetFullScreen(bool on);
    bool IsFullScreen() const { return fullScreen_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void AddFrameSwitches(QMenu* viewMenu);
    void AddFullScreenSwitch(QMenu* viewMenu);
    void BuildStatusBar();
    void UpdateLockIndicators();
    void UpdateGameStatus();

    CTavlionView* view_;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    QLabel* linkPane_ = nullptr; // what the link to the opponent does
    QLabel* capsPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* scrollPane_ = nullptr;
    QAction* fullScreenSwitch_ = nullptr;
    QAction* leaveFullScreen_ = nullptr;
    bool fullScreen_ = false;
    // What the status bar shows when no prompt stands there.
    QString gameStatus_ = QStringLiteral("Ready");
    // What full screen hides or changes, to be brought back.
    struct sWindowed {
        QRect geometry;
        Qt::WindowStates states;
        bool menuBar = true, toolBar = true, statusBar = true;
    } windowed_;
};
