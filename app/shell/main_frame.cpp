#include "app/shell/main_frame.h"

#include "app/shell/command_table.h"
#include "app/shell/keyboard_locks.h"
#include "app/shell/tavlion_view.h"
#include "app/shell/toolbar_icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace {

QString PromptPart(const char* prompt, int part) {
    const QStringList parts = QString::fromLatin1(prompt ? prompt : "").split(QLatin1Char('\n'));
    return part < parts.size() ? parts[part] : parts.value(0);
}

} // namespace

CMainFrame::CMainFrame() : view_(new CTavlionView(this)) {
    setWindowTitle(QStringLiteral("Tavlion"));
    setCentralWidget(view_);
    BuildStatusBar();
    BuildActions();
    BuildToolBar();
    BuildMenus();
    connect(view_, &CTavlionView::StateChanged, this, &CMainFrame::UpdateCommandStates);
    resize(1024, 768);
}

QAction* CMainFrame::Action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildActions() {
    for (const sCommand& command : CommandTable()) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("command%1").arg(command.id));
        action->setText(command.menuText ? QString::fromLatin1(command.menuText)
                                         : PromptPart(command.prompt, 1));
        action->setStatusTip(PromptPart(command.prompt, 0));
        action->setToolTip(PromptPart(command.prompt, 1));
        action->setCheckable(command.checked != nullptr);
        if (command.keys)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(command.keys)));
        action->setShortcutContext(Qt::ApplicationShortcut);
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        addAction(action); // keys work without a menu entry too
        actions_[id] = action;
    }
}

void CMainFrame::BuildMenus() {
    std::map<CommandMenu, QMenu*> menus;
    for (const sMenuTitle& title : MenuTitles())
        if (title.parent == CommandMenu::None)
            menus[title.menu] = menuBar()->addMenu(QString::fromLatin1(title.title));
    AddFrameSwitches(menus.at(CommandMenu::View));
    AddFullScreenSwitch(menus.at(CommandMenu::View));

    const auto menuOf = [&](CommandMenu which) -> QMenu* {
        if (auto it = menus.find(which); it != menus.end()) return it->second;
        const auto titles = MenuTitles();
        const auto entry = std::find_if(titles.begin(), titles.end(),
                                        [which](const sMenuTitle& t) { return t.menu == which; });
        QMenu* parent = menus.at(entry->parent);
        return menus[which] = parent->addMenu(QString::fromLatin1(entry->title));
    };

    for (const sCommand& command : CommandTable()) {
        if (!command.menuText) continue;
        QMenu* menu = menuOf(command.menu);
        if (command.menuSeparatorBefore && !menu->isEmpty()) menu->addSeparator();
        menu->addAction(actions_.at(command.id));
    }
    for (auto& [which, menu] : menus)
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

// Showing and hiding the toolbar and the status bar, as every frame offers.
void CMainFrame::AddFrameSwitches(QMenu* viewMenu) {
    QAction* toolbarSwitch = toolBar_->toggleViewAction();
    toolbarSwitch->setText(QStringLiteral("&Toolbar"));
    toolbarSwitch->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    viewMenu->addAction(toolbarSwitch);

    auto* statusSwitch = new QAction(QStringLiteral("&Status Bar"), this);
    statusSwitch->setCheckable(true);
    statusSwitch->setChecked(true);
    statusSwitch->setStatusTip(QStringLiteral("Show or hide the status bar"));
    connect(statusSwitch, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
    viewMenu->addAction(statusSwitch);
}

void CMainFrame::AddFullScreenSwitch(QMenu* viewMenu) {
    fullScreenSwitch_ = new QAction(QStringLiteral("Full Screen"), this);
    fullScreenSwitch_->setObjectName(QStringLiteral("fullScreen"));
    fullScreenSwitch_->setCheckable(true);
    fullScreenSwitch_->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreenSwitch_->setShortcutContext(Qt::ApplicationShortcut);
    fullScreenSwitch_->setStatusTip(QStringLiteral("Show the board alone on the whole screen"));
    connect(fullScreenSwitch_, &QAction::toggled, this, &CMainFrame::SetFullScreen);
    addAction(fullScreenSwitch_); // the key works with the menu bar hidden
    viewMenu->addAction(fullScreenSwitch_);

    // Escape only while full screen, so that it takes no key from anyone else.
    leaveFullScreen_ = new QAction(this);
    leaveFullScreen_->setShortcut(QKeySequence(Qt::Key_Escape));
    leaveFullScreen_->setShortcutContext(Qt::ApplicationShortcut);
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QAction::triggered, this, [this] { SetFullScreen(false); });
    addAction(leaveFullScreen_);
}

// The frame keeps its own flag: where no window manager takes the state
// up, the window system reports the window back as it was.
void CMainFrame::SetFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        windowed_ = {geometry(), windowState(), menuBar()->isVisible(), toolBar_->isVisible(),
                     statusBar()->isVisible()};
        menuBar()->hide();
        toolBar_->hide();
        statusBar()->hide();
        setWindowState(windowState() | Qt::WindowFullScreen);
        // Where no window manager acts on the state, the screen's size does.
        if (const QScreen* screen = this->screen()) setGeometry(screen->geometry());
    } else {
        setWindowState(windowed_.states & ~Qt::WindowFullScreen);
        setGeometry(windowed_.geometry);
        menuBar()->setVisible(windowed_.menuBar);
        toolBar_->setVisible(windowed_.toolBar);
        statusBar()->setVisible(windowed_.statusBar);
    }
    fullScreenSwitch_->setChecked(on);
    leaveFullScreen_->setEnabled(on);
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setIconSize(QSize(16, 15));
    addToolBar(Qt::TopToolBarArea, toolBar_);

    std::vector<const sCommand*> buttons;
    for (const sCommand& command : CommandTable())
        if (command.toolbarSlot >= 0) buttons.push_back(&command);
    std::sort(buttons.begin(), buttons.end(),
              [](const sCommand* a, const sCommand* b) { return a->toolbarSlot < b->toolbarSlot; });

    bool allIcons = true;
    for (const sCommand* command : buttons) {
        if (command->toolbarGroupStart && !toolBar_->actions().isEmpty()) toolBar_->addSeparator();
        QAction* action = actions_.at(command->id);
        const QIcon icon = ToolbarIcon(command->icon);
        if (icon.isNull())
            allIcons = false;
        else
            action->setIcon(icon);
        toolBar_->addAction(action);
    }
    toolBar_->setToolButtonStyle(allIcons ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    // The pictures belong to the toolbar; menu entries show their text only.
    for (auto& [id, action] : actions_) action->setIconVisibleInMenu(false);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    linkPane_ = new QLabel;
    linkPane_->setObjectName(QStringLiteral("linkPane"));
    linkPane_->hide();
    bar->addPermanentWidget(linkPane_);
    const auto pane = [bar](const char* text) {
        auto* label = new QLabel(QString::fromLatin1(text));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
        bar->addPermanentWidget(label);
        return label;
    };
    capsPane_ = pane("CAP");
    numPane_ = pane("NUM");
    scrollPane_ = pane("SCRL");
    bar->showMessage(gameStatus_);
    connect(bar, &QStatusBar::messageChanged, bar, [this, bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(gameStatus_);
    });
    UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
    const sKeyboardLocks locks = ReadKeyboardLocks();
    capsPane_->setEnabled(locks.caps);
    numPane_->setEnabled(locks.num);
    scrollPane_->setEnabled(locks.scroll);
}

bool CMainFrame::Execute(int commandId) {
    const sCommand* command = FindCommand(commandId);
    if (!command) return false;
    if (command->enabled && !command->enabled(view_->Scene())) {
        UpdateCommandStates();
        return false;
    }
    command->effect(*view_);
    UpdateCommandStates();
    return true;
}

void CMainFrame::UpdateCommandStates() {
    const CScene& scene = view_->Scene();
    for (const sCommand& command : CommandTable()) {
        QAction* action = actions_.at(command.id);
        action->setEnabled(!command.enabled || command.enabled(scene));
        if (command.checked) action->setChecked(command.checked(scene));
    }
    const QString link = view_->LinkStatusText();
    linkPane_->setText(link);
    linkPane_->setVisible(!link.isEmpty());
    UpdateLockIndicators();
    UpdateGameStatus();
}

// The game's state stands where "Ready" stood; a menu entry's prompt shown
// meanwhile keeps its place until the pointer leaves the entry.
void CMainFrame::UpdateGameStatus() {
    const std::string text = view_->Scene().StatusText();
    const QString status = text.empty() ? QStringLiteral("Ready") : QString::fromStdString(text);
    if (status == gameStatus_) return;
    QStatusBar* bar = statusBar();
    const bool showing = bar->currentMessage() == gameStatus_;
    gameStatus_ = status;
    if (showing) bar->showMessage(status);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!view_->Scene().RequestClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
