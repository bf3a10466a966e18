#include "app/shell/command_table.h"

#include "app/controller/scene.h"
#include "app/shell/tavlion_view.h"
#include "render/board_theme.h"

#include <algorithm>

namespace {

using M = CommandMenu;
using S = const CScene&;
using V = CTavlionView&;

template <int sSettings::*field> void Toggle(V v) {
    v.Scene().ToggleSetting(field);
}
template <int sSettings::*field, int value> bool Is(S s) {
    return s.settings.*field == value;
}
template <int sSettings::*field> bool On(S s) {
    return s.settings.*field == 1;
}
template <int theme> void ChooseTheme(V v) {
    v.Scene().SetBoardTheme(theme);
}
template <int theme> bool ThemeIs(S s) {
    return BoardThemeIndex(s.settings.boardTheme) == theme;
}

constexpr int kNoToolbar = -1;

// clang-format off
constexpr sCommand kCommands[] = {
    {32783, "Start Game", M::Actions, false, "Ctrl+G", 12, true, "start_game",
     "Start Game\nStart Game",
     [](V v) { v.Scene().StartGame(); }, [](S s) { return s.CanStartGame(); }, nullptr},
    {57600, "&New Game", M::Actions, false, "Ctrl+N", 0, false, "new_game",
     "Start a new game\nNew Game",
     [](V v) { v.Scene().NewGame(); }, [](S s) { return s.CanReplaceGame(); }, nullptr},
    {57601, "&Open Game...", M::Actions, false, "Ctrl+O", 1, false, "open_game",
     "Open a saved game\nOpen Game",
     [](V v) { v.OpenGameDialog(); }, [](S s) { return s.CanOpenGame(); }, nullptr},
    {57603, "&Save Game", M::Actions, false, "Ctrl+S", 2, false, "save_game",
     "Save the game\nSave Game",
     [](V v) { v.Scene().SaveCurrentGame(); }, [](S s) { return s.CanSaveGame(); }, nullptr},
    {57604, "Save Game &As...", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Save the game with a new name\nSave Game As",
     [](V v) { v.SaveGameAsDialog(); }, [](S s) { return s.CanSaveGameAs(); }, nullptr},
    {32798, "Connect to another Player via Inet...", M::Actions, true, nullptr, 9, true, "connect",
     "Connect to another player via the Internet\nConnect",
     [](V v) { v.ConnectToPeer(); }, [](S s) { return s.CanConnect(); }, nullptr},
    {32801, "Close Connection", M::Actions, false, nullptr, 10, false, "close_connection",
     "Close the connection to the other player\nClose Connection",
     [](V v) { v.CloseConnection(); }, [](S s) { return s.CanUseConnection(); }, nullptr},
    {32800, "Chat with Opponent...", M::Actions, false, nullptr, 11, false, "chat",
     "Chat with the other player\nChat",
     [](V v) { v.ShowChat(); }, [](S s) { return s.CanUseConnection(); }, nullptr},
    {32900, "&Import PGN...", M::Actions, true, nullptr, kNoToolbar, false, nullptr,
     "Open a game of a PGN file\nImport PGN",
     [](V v) { v.ImportPgnDialog(); }, [](S s) { return s.CanOpenGame(); }, nullptr},
    {32901, "&Export PGN...", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Save the game as a PGN file\nExport PGN",
     [](V v) { v.ExportPgnDialog(); }, [](S s) { return s.CanCopyGame(); }, nullptr},
    {32902, "&Copy Game (PGN)", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Copy the game to the clipboard as PGN\nCopy Game",
     [](V v) { v.CopyGame(); }, [](S s) { return s.CanCopyGame(); }, nullptr},
    {32903, "Copy &Position (FEN)", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Copy the position to the clipboard as FEN\nCopy Position",
     [](V v) { v.CopyPosition(); }, [](S s) { return s.CanCopyGame(); }, nullptr},
    {32904, "Pas&te Position (FEN)", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Start a new game from the FEN position in the clipboard\nPaste Position",
     [](V v) { v.PastePosition(); }, [](S s) { return s.CanOpenGame(); }, nullptr},
    {32850, "&Reconnect", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Take up the game whose connection was lost\nReconnect",
     [](V v) { v.Reconnect(); }, [](S s) { return s.CanReconnect(); }, nullptr},
    {32911, "Hint", M::Actions, true, "Ctrl+H", kNoToolbar, false, nullptr,
     "Show the engine's move for the side to move\nHint",
     [](V v) { v.Scene().Hint(); }, [](S s) { return s.CanHint(); }, nullptr},
    {32860, "Claim Draw", M::Actions, true, nullptr, kNoToolbar, false, nullptr,
     "Claim the draw the position allows\nClaim Draw",
     [](V v) { v.Scene().ClaimDraw(); }, [](S s) { return s.CanClaimDraw(); }, nullptr},
    {32861, "Offer Draw", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Offer your opponent a draw\nOffer Draw",
     [](V v) { v.Scene().OfferDraw(); }, [](S s) { return s.CanOfferDraw(); }, nullptr},
    {32862, "Resign", M::Actions, false, nullptr, kNoToolbar, false, nullptr,
     "Give up the game\nResign",
     [](V v) { v.Scene().Resign(); }, [](S s) { return s.CanResign(); }, nullptr},
    {57665, "E&xit", M::Actions, true, nullptr, kNoToolbar, false, nullptr,
     "Quit the game\nExit",
     [](V v) { v.CloseMainWindow(); }, nullptr, nullptr},

    {57643, "&Undo", M::Moves, false, "Ctrl+Z; Alt+Backspace", 4, false, "undo",
     "Take back the last move\nUndo",
     [](V v) { v.Scene().Undo(); }, [](S s) { return s.CanUndo(); }, nullptr},
    {32771, "&Redo", M::Moves, false, nullptr, 6, false, "redo",
     "Make the move taken back again\nRedo",
     [](V v) { v.Scene().Redo(); }, [](S s) { return s.CanRedo(); }, nullptr},
    {32791, nullptr, M::None, false, "Ctrl+Y", kNoToolbar, false, nullptr,
     "Make the move taken back again\nRedo",
     [](V v) { v.Scene().Redo(); }, [](S s) { return s.CanRedo(); }, nullptr},
    {32807, "Go to Start", M::Moves, true, nullptr, 3, true, "go_to_start",
     "Go to the first position\nGo to Start",
     [](V v) { v.Scene().GoToStart(); }, nullptr, nullptr},
    {32808, "Go to End", M::Moves, false, nullptr, 7, false, "go_to_end",
     "Go to the last position\nGo to End",
     [](V v) { v.Scene().GoToEnd(); }, nullptr, nullptr},
    {1000, "Play", M::Moves, true, nullptr, 5, false, "play",
     "Replay the game from the start\nPlay",
     [](V v) { v.Scene().Play(); }, [](S s) { return s.CanPlay(); }, nullptr},

    {32788, "Reset Camera", M::View, true, nullptr, kNoToolbar, false, nullptr,
     "Put the camera back to its start\nReset Camera",
     [](V v) { v.Scene().ResetCameraCommand(); }, nullptr, nullptr},
    {32805, "Rotate Board", M::View, false, nullptr, 13, true, "rotate_board",
     "Roate Board\nRotate Board",
     [](V v) { v.Scene().RotateBoard(); }, nullptr, nullptr},
    {32841, "Zoom In", M::View, true, "Ctrl++; Ctrl+=", kNoToolbar, false, nullptr,
     "Move the camera closer to the board\nZoom In",
     [](V v) { v.Scene().ZoomCamera(1); }, nullptr, nullptr},
    {32842, "Zoom Out", M::View, false, "Ctrl+-", kNoToolbar, false, nullptr,
     "Move the camera away from the board\nZoom Out",
     [](V v) { v.Scene().ZoomCamera(-1); }, nullptr, nullptr},

    {32772, "&One Player", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Play against the computer\nOne Player",
     [](V v) { v.Scene().SetPlayerMode(0); }, [](S s) { return s.CanChoosePlayerMode(); },
     Is<&sSettings::playerMode, 0>},
    {32773, "&Two Players", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Two players at this computer or via the Internet\nTwo Players",
     [](V v) { v.Scene().SetPlayerMode(1); }, [](S s) { return s.CanChoosePlayerMode(); },
     Is<&sSettings::playerMode, 1>},
    {32775, "&Easy", M::GameLevel, false, nullptr, kNoToolbar, false, nullptr,
     "The computer thinks three moves ahead\nEasy",
     [](V v) { v.Scene().SetGameLevel(0); }, nullptr, Is<&sSettings::gameLevel, 0>},
    {32776, "&Medium", M::GameLevel, false, nullptr, kNoToolbar, false, nullptr,
     "The computer thinks four moves ahead\nMedium",
     [](V v) { v.Scene().SetGameLevel(1); }, nullptr, Is<&sSettings::gameLevel, 1>},
    {32777, "Difficult", M::GameLevel, false, nullptr, kNoToolbar, false, nullptr,
     "The computer thinks five moves ahead\nDifficult",
     [](V v) { v.Scene().SetGameLevel(2); }, nullptr, Is<&sSettings::gameLevel, 2>},
    {32778, "&White", M::GameColor, false, nullptr, kNoToolbar, false, nullptr,
     "Play the white figures\nWhite",
     [](V v) { v.Scene().ChooseWhite(); }, [](S s) { return s.CanChooseColor(); },
     Is<&sSettings::playerColor, 0>},
    {32779, "&Black", M::GameColor, false, nullptr, kNoToolbar, false, nullptr,
     "Play the black figures\nBlack",
     [](V v) { v.Scene().ChooseBlack(); }, [](S s) { return s.CanChooseColor(); },
     Is<&sSettings::playerColor, 1>},
    {32780, "&Sound Effects", M::Settings, true, nullptr, kNoToolbar, false, nullptr,
     "Sounds of the moves\nSound Effects",
     Toggle<&sSettings::soundEffects>, nullptr, On<&sSettings::soundEffects>},
    {32785, "&Music", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Background music\nMusic",
     [](V v) { v.Scene().ToggleMusic(); }, nullptr, On<&sSettings::music>},
    {32781, "&Animation", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Animate the moves\nAnimation",
     Toggle<&sSettings::animation>, nullptr, On<&sSettings::animation>},
    {32786, "Mi&rror", M::Settings, true, nullptr, kNoToolbar, false, nullptr,
     "Reflections of the figures in the board\nMirror",
     Toggle<&sSettings::mirror>, nullptr, On<&sSettings::mirror>},
    {32790, "Shadows", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Shadows of the figures\nShadows",
     Toggle<&sSettings::shadows>, nullptr, On<&sSettings::shadows>},
    {32792, "Letters", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Letters and numbers around the board\nLetters",
     Toggle<&sSettings::letters>, nullptr, On<&sSettings::letters>},
    {32793, "Removed Figures", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Show the captured figures beside the board\nRemoved Figures",
     Toggle<&sSettings::deleteFigures>, nullptr, On<&sSettings::deleteFigures>},
    {32794, "Textured Figures", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Wooden figures\nTextured Figures",
     Toggle<&sSettings::texturedFigures>, nullptr, On<&sSettings::texturedFigures>},
    {32795, "Textured Board", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Textured board\nTextured Board",
     Toggle<&sSettings::texturedBoard>, nullptr, On<&sSettings::texturedBoard>},
    {32797, "Timer", M::Settings, true, nullptr, kNoToolbar, false, nullptr,
     "Show the clocks\nTimer",
     Toggle<&sSettings::timer>, nullptr, On<&sSettings::timer>},
    {32787, "Sky", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Show the sky around the board\nSky",
     Toggle<&sSettings::skyFlague>, nullptr, On<&sSettings::skyFlague>},
    {32789, "Set Sky...", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Choose the sky\nSet Sky",
     [](V v) { v.ChooseSky(); }, nullptr, nullptr},
    {32806, "List of Moves", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Show the list of moves\nList of Moves",
     Toggle<&sSettings::moveList>, nullptr, On<&sSettings::moveList>},
    {32905, "Standard &Notation", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Moves in standard notation in the list of moves\nStandard Notation",
     Toggle<&sSettings::standardNotation>, nullptr, On<&sSettings::standardNotation>},
    {32910, "&Engine...", M::Settings, true, nullptr, kNoToolbar, false, nullptr,
     "Play against the built-in engine or another UCI program\nEngine",
     [](V v) { v.ChooseEngine(); }, [](S s) { return s.CanChooseEngine(); }, nullptr},
    {32863, "Time Control...", M::Settings, true, nullptr, kNoToolbar, false, nullptr,
     "Minutes per side and seconds added per move\nTime Control",
     [](V v) { v.ChooseTimeControl(); }, [](S s) { return s.CanChooseTimeControl(); }, nullptr},
    {32843, "Classic", M::BoardTheme, false, nullptr, kNoToolbar, false, nullptr,
     "The board as it always looked\nClassic",
     ChooseTheme<0>, nullptr, ThemeIs<0>},
    {32844, "Tournament", M::BoardTheme, false, nullptr, kNoToolbar, false, nullptr,
     "A quiet wooden board for long games\nTournament",
     ChooseTheme<1>, nullptr, ThemeIs<1>},
    {32845, "Smooth Edges", M::Settings, false, nullptr, kNoToolbar, false, nullptr,
     "Edges drawn without steps where the graphics can\nSmooth Edges",
     Toggle<&sSettings::smoothEdges>, nullptr, On<&sSettings::smoothEdges>},

    {57664, "&About Tavlion...", M::Help, false, nullptr, 14, true, "about",
     "Program information and version\nAbout",
     [](V v) { v.ShowAbout(); }, nullptr, nullptr},
    {32796, nullptr, M::None, false, nullptr, 8, true, "stop_thinking",
     "Stop Thinking!\nStop Thinking!",
     [](V v) { v.Scene().StopThinking(); }, nullptr, nullptr},
    {32813, nullptr, M::None, false, "Ctrl+P", kNoToolbar, false, nullptr,
     "Stop Thinking!\nStop Thinking!",
     [](V v) { v.Scene().StopThinking(); }, nullptr, nullptr},
    {57670, nullptr, M::None, false, "F1", kNoToolbar, false, nullptr,
     "Open the help\nHelp",
     [](V v) { v.OpenHelp(); }, nullptr, nullptr},
};

constexpr sMenuTitle kMenus[] = {
    {M::Actions, "&Actions", M::None},
    {M::Moves, "&Moves", M::None},
    {M::View, "&View", M::None},
    {M::Settings, "&Settings", M::None},
    {M::GameLevel, "Game Level", M::Settings},
    {M::GameColor, "Select Game Color", M::Settings},
    {M::BoardTheme, "Board Theme", M::Settings},
    {M::Help, "&Help", M::None},
};
// clang-format on

} // namespace

std::span<const sCommand> CommandTable() {
    return kCommands;
}

const sCommand* FindCommand(int id) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [id](const sCommand& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const sMenuTitle> MenuTitles() {
    return kMenus;
}
