#pragma once

#include <span>

class CScene;
class CTavlionView;

enum class CommandMenu {
    None,
    Actions,
    Moves,
    View,
    Settings,
    GameLevel,
    GameColor,
    BoardTheme,
    Help
};

// One command of the window: where it appears, what it does, and when it is
// enabled and checked. A rule left null means "always enabled" and "never
// checked" respectively.
struct sCommand {
    int id;
    const char* menuText; // with its & mnemonic; null: reached by key or toolbar only
    CommandMenu menu;
    bool menuSeparatorBefore;
    const char* keys;       // QKeySequence text, alternatives separated by "; "
    int toolbarSlot;        // left-to-right position on the toolbar, -1: none
    bool toolbarGroupStart; // a separator precedes it on the toolbar
    const char* icon;       // picture of its button in resources/toolbar/, null: none
    const char* prompt;     // "status-bar prompt\ntooltip"
    void (*effect)(CTavlionView& view);
    bool (*enabled)(const CScene& scene);
    bool (*checked)(const CScene& scene);
};

std::span<const sCommand> CommandTable();
const sCommand* FindCommand(int id);

// The menu bar's titles, in order, and the submenus within Settings.
struct sMenuTitle {
    CommandMenu menu;
    const char* title;
    CommandMenu parent; // None for a top-level menu
};
std::span<const sMenuTitle> MenuTitles();
