#pragma once

#include <QMainWindow>

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void AddFrameSwitches(QMenu* viewMenu);
    void BuildStatusBar();
    void UpdateLockIndicators();

    CTavlionView* view_;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    QLabel* linkPane_ = nullptr; // what the link to the opponent does
    QLabel* capsPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* scrollPane_ = nullptr;
};
