#include "shell_fixture.h"

#include "app/shell/command_table.h"
#include "support/scene_clicks.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include "app/shell/gl_surface.h"

#include <set>

namespace cmd {

enum Id : int {
    StartGame = 32783,
    NewGame = 57600,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    Connect = 32798,
    CloseConnection = 32801,
    Reconnect = 32850,
    Chat = 32800,
    Exit = 57665,
    Undo = 57643,
    Redo = 32771,
    RedoKey = 32791,
    GoToStart = 32807,
    GoToEnd = 32808,
    Play = 1000,
    ResetCamera = 32788,
    RotateBoard = 32805,
    ZoomIn = 32841,
    ZoomOut = 32842,
    OnePlayer = 32772,
    TwoPlayers = 32773,
    Easy = 32775,
    Medium = 32776,
    Difficult = 32777,
    White = 32778,
    Black = 32779,
    SoundEffects = 32780,
    Music = 32785,
    Animation = 32781,
    Mirror = 32786,
    Shadows = 32790,
    Letters = 32792,
    RemovedFigures = 32793,
    TexturedFigures = 32794,
    TexturedBoard = 32795,
    Timer = 32797,
    Sky = 32787,
    SetSky = 32789,
    MoveList = 32806,
    Classic = 32843,
    Tournament = 32844,
    SmoothEdges = 32845,
    About = 57664,
    StopThinking = 32796,
    StopThinkingKey = 32813,
    Help = 57670,
    ClaimDraw = 32860,
    OfferDraw = 32861,
    Resign = 32862,
    TimeControl = 32863,
    Engine = 32910,
    Hint = 32911,
};

} // namespace cmd

TEST(CommandTable, HoldsEveryCommandOnceWithTheToolbarInOrder) {
    std::set<int> ids;
    std::vector<int> toolbar(15, 0);
    for (const sCommand& command : CommandTable()) {
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        if (command.toolbarSlot >= 0)
            toolbar.at(static_cast<size_t>(command.toolbarSlot)) = command.id;
    }
    EXPECT_EQ(ids.size(), 59u);
    const std::vector<int> expected = {cmd::NewGame,
                                       cmd::Open,
                                       cmd::Save,
                                       cmd::GoToStart,
                                       cmd::Undo,
                                       cmd::Play,
                                       cmd::Redo,
                                       cmd::GoToEnd,
                                       cmd::StopThinking,
                                       cmd::Connect,
                                       cmd::CloseConnection,
                                       cmd::Chat,
                                       cmd::StartGame,
                                       cmd::RotateBoard,
                                       cmd::About};
    EXPECT_EQ(toolbar, expected);
    EXPECT_STREQ(FindCommand(cmd::StopThinking)->prompt, "Stop Thinking!\nStop Thinking!");
    EXPECT_STREQ(FindCommand(cmd::StartGame)->prompt, "Start Game\nStart Game");
    EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST_F(ShellTest, ActionsCarryTheirTextKeysAndTooltips) {
    EXPECT_EQ(Frame().Action(cmd::Undo)->shortcuts().size(), 2);
    EXPECT_EQ(Frame().Action(cmd::Undo)->shortcuts().value(1),
              QKeySequence(QStringLiteral("Alt+Backspace")));
    EXPECT_EQ(Frame().Action(cmd::StartGame)->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    EXPECT_EQ(Frame().Action(cmd::Help)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(Frame().Action(cmd::ZoomIn)->shortcuts(),
              QKeySequence::listFromString(QStringLiteral("Ctrl++; Ctrl+=")));
    EXPECT_EQ(Frame().Action(cmd::ZoomOut)->shortcut(), QKeySequence(QStringLiteral("Ctrl+-")));
    EXPECT_EQ(Frame().Action(cmd::RotateBoard)->toolTip(), QStringLiteral("Rotate Board"));
    EXPECT_EQ(Frame().Action(cmd::RotateBoard)->statusTip(), QStringLiteral("Roate Board"));
    EXPECT_EQ(Frame().Action(cmd::SaveAs)->text(), QStringLiteral("Save Game &As..."));
}

TEST_F(ShellTest, RulesBeforeAGameStarts) {
    EXPECT_FALSE(Enabled(cmd::StartGame)); // White plays first itself
    EXPECT_TRUE(Enabled(cmd::NewGame));
    EXPECT_TRUE(Enabled(cmd::Open));
    EXPECT_FALSE(Enabled(cmd::Save)); // nothing opened or saved yet
    EXPECT_TRUE(Enabled(cmd::SaveAs));
    EXPECT_FALSE(Enabled(cmd::Connect)); // one-player mode
    EXPECT_FALSE(Enabled(cmd::CloseConnection));
    EXPECT_FALSE(Enabled(cmd::Chat));
    EXPECT_FALSE(Enabled(cmd::Undo));
    EXPECT_FALSE(Enabled(cmd::Redo));
    EXPECT_FALSE(Enabled(cmd::RedoKey));
    EXPECT_TRUE(Enabled(cmd::OnePlayer));
    EXPECT_TRUE(Enabled(cmd::White));
    EXPECT_TRUE(Enabled(cmd::Black));
    for (int always :
         {cmd::Exit, cmd::GoToStart, cmd::GoToEnd, cmd::ResetCamera, cmd::RotateBoard, cmd::Easy,
          cmd::SetSky, cmd::About, cmd::StopThinking, cmd::StopThinkingKey, cmd::Help})
        EXPECT_TRUE(Enabled(always)) << always;

    EXPECT_TRUE(Checked(cmd::OnePlayer));
    EXPECT_FALSE(Checked(cmd::TwoPlayers));
    EXPECT_TRUE(Checked(cmd::Easy));
    EXPECT_FALSE(Checked(cmd::Medium));
    EXPECT_TRUE(Checked(cmd::White));
    EXPECT_FALSE(Checked(cmd::Black));
    EXPECT_FALSE(Frame().Action(cmd::NewGame)->isCheckable());

    Scene().settings.playerColor = 1;
    EXPECT_TRUE(Enabled(cmd::StartGame));
    EXPECT_TRUE(Checked(cmd::Black));
    Scene().settings.playerMode = 1;
    EXPECT_FALSE(Enabled(cmd::StartGame)); // the engine opens only against one player
    EXPECT_TRUE(Enabled(cmd::Connect));
}

TEST_F(ShellTest, RulesWhilePlayingAndThinking) {
    Scene().gameStarted = 1;
    Scene().settings.playerColor = 1;
    EXPECT_FALSE(Enabled(cmd::StartGame));
    EXPECT_FALSE(Enabled(cmd::OnePlayer));
    EXPECT_FALSE(Enabled(cmd::TwoPlayers));
    EXPECT_FALSE(Enabled(cmd::White));
    EXPECT_FALSE(Enabled(cmd::Black));
    Scene().settings.playerMode = 1;
    EXPECT_FALSE(Enabled(cmd::Connect));

    EXPECT_TRUE(Enabled(cmd::Hint));
    EXPECT_TRUE(Enabled(cmd::Engine));
    Scene().board.thinking = 1;
    Scene().board.historyIndex = 1;
    EXPECT_FALSE(Enabled(cmd::Undo));
    EXPECT_FALSE(Enabled(cmd::Redo));
    // One search at a time, and the engine is not changed under it.
    EXPECT_FALSE(Enabled(cmd::Hint));
    EXPECT_FALSE(Enabled(cmd::Engine));
    EXPECT_TRUE(Enabled(cmd::StopThinking));
    EXPECT_TRUE(Enabled(cmd::StopThinkingKey));
    Scene().board.thinking = 0;
    EXPECT_TRUE(Enabled(cmd::Undo));
}

TEST_F(ShellTest, RulesWhenTheGameIsOver) {
    Scene().board.gameOver = 1;
    Scene().gameStarted = 0;
    EXPECT_FALSE(Enabled(cmd::Hint)); // no side to move
    EXPECT_TRUE(Enabled(cmd::OnePlayer));
    EXPECT_TRUE(Enabled(cmd::White));
    EXPECT_TRUE(Enabled(cmd::NewGame));
}

TEST_F(ShellTest, RulesOfANetworkGame) {
    Scene().settings.playerMode = 1;
    Scene().networkGame = 1;
    Scene().gamePath = "/tmp/some.chs";
    EXPECT_FALSE(Enabled(cmd::Open));
    EXPECT_FALSE(Enabled(cmd::Save));
    EXPECT_FALSE(Enabled(cmd::SaveAs));
    EXPECT_FALSE(Enabled(cmd::Connect));
    EXPECT_TRUE(Enabled(cmd::CloseConnection));
    EXPECT_TRUE(Enabled(cmd::Chat));
    EXPECT_FALSE(Enabled(cmd::White));
    EXPECT_FALSE(Enabled(cmd::Black));
    EXPECT_FALSE(Enabled(cmd::Reconnect));
    Scene().networkGame = 0;
    EXPECT_TRUE(Enabled(cmd::Save));
    EXPECT_FALSE(Enabled(cmd::Reconnect));
    // Lost during the game: only then can it be taken up.
    Scene().connectionLost = 1;
    EXPECT_TRUE(Enabled(cmd::Reconnect));
    EXPECT_FALSE(Enabled(cmd::CloseConnection));
}

TEST_F(ShellTest, TogglesFlipTheirSettingAndCheckMark) {
    const std::pair<int, int sSettings::*> toggles[] = {
        {cmd::SoundEffects, &sSettings::soundEffects},
        {cmd::Animation, &sSettings::animation},
        {cmd::Mirror, &sSettings::mirror},
        {cmd::Shadows, &sSettings::shadows},
        {cmd::Letters, &sSettings::letters},
        {cmd::RemovedFigures, &sSettings::deleteFigures},
        {cmd::TexturedFigures, &sSettings::texturedFigures},
        {cmd::TexturedBoard, &sSettings::texturedBoard},
        {cmd::Timer, &sSettings::timer},
        {cmd::Sky, &sSettings::skyFlague},
        {cmd::MoveList, &sSettings::moveList},
        {cmd::SmoothEdges, &sSettings::smoothEdges},
        {cmd::Music, &sSettings::music}};
    for (const auto& [id, field] : toggles) {
        const int before = Scene().settings.*field;
        EXPECT_EQ(Checked(id), before == 1) << id;
        ASSERT_TRUE(Frame().Execute(id));
        EXPECT_EQ(Scene().settings.*field, 1 - before) << id;
        EXPECT_EQ(Frame().Action(id)->isChecked(), before == 0) << id;
    }
}

TEST_F(ShellTest, ChoicesAreExclusive) {
    ASSERT_TRUE(Frame().Execute(cmd::Difficult));
    EXPECT_EQ(Scene().settings.gameLevel, 2);
    EXPECT_TRUE(Frame().Action(cmd::Difficult)->isChecked());
    EXPECT_FALSE(Frame().Action(cmd::Easy)->isChecked());
    ASSERT_TRUE(Frame().Execute(cmd::TwoPlayers));
    EXPECT_EQ(Scene().settings.playerMode, 1);
    EXPECT_FALSE(Frame().Action(cmd::OnePlayer)->isChecked());
    ASSERT_TRUE(Frame().Execute(cmd::Tournament));
    EXPECT_EQ(Scene().settings.boardTheme, 1);
    EXPECT_TRUE(Frame().Action(cmd::Tournament)->isChecked());
    EXPECT_FALSE(Frame().Action(cmd::Classic)->isChecked());
}

TEST_F(ShellTest, ADisabledCommandDoesNothingByKeyOrCall) {
    ShowWindow();
    Scene().gameStarted = 1;
    EXPECT_FALSE(Frame().Execute(cmd::White));
    Scene().gameStarted = 0;
    Frame().UpdateCommandStates();

    // Keys as the window system delivers them, with the board's surface in focus.
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QWindow* surface = View().Surface();
    const int index = Scene().board.historyIndex;
    QTest::keyClick(surface, Qt::Key_Y, Qt::ControlModifier); // nothing to redo
    EXPECT_EQ(Scene().board.historyIndex, index);
    QTest::keyClick(surface, Qt::Key_G, Qt::ControlModifier); // Start Game is disabled
    EXPECT_EQ(Scene().gameStarted, 0);

    // An always-enabled accelerator reaches its command.
    QTest::keyClick(surface, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Scene().stopThinking, 1);
}

TEST_F(ShellTest, MenusAreBuiltFromTheTable) {
    QStringList titles;
    for (QAction* top : Frame().menuBar()->actions()) titles << top->text();
    EXPECT_EQ(titles, (QStringList{"&Actions", "&Moves", "&View", "&Settings", "&Help"}));
    QMenu* settings = Frame().menuBar()->actions().at(3)->menu();
    QStringList submenus;
    for (QAction* entry : settings->actions())
        if (entry->menu()) submenus << entry->text();
    EXPECT_EQ(submenus, (QStringList{"Game Level", "Select Game Color", "Board Theme"}));
}

TEST_F(ShellTest, TheEndOfAGameThroughTheMenus) {
    EXPECT_FALSE(Enabled(cmd::ClaimDraw));
    EXPECT_FALSE(Enabled(cmd::OfferDraw));
    EXPECT_FALSE(Enabled(cmd::Resign));
    EXPECT_TRUE(Enabled(cmd::TimeControl));
    Scene().SetPlayerMode(1);
    Scene().settings.animation = 0;
    Scene().NewGame();
    const int knights[][4] = {{6, 0, 5, 2}, {6, 7, 5, 5}, {5, 2, 6, 0}, {5, 5, 6, 7}};
    for (int round = 0; round < 2; ++round)
        for (const auto& m : knights) MoveFigure(Scene(), m[0], m[1], m[2], m[3]);
    EXPECT_TRUE(Enabled(cmd::ClaimDraw));
    EXPECT_TRUE(Enabled(cmd::Resign));
    EXPECT_FALSE(Enabled(cmd::OfferDraw));   // network games only
    EXPECT_FALSE(Enabled(cmd::TimeControl)); // not during a game
    Frame().UpdateCommandStates();
    EXPECT_EQ(Frame().statusBar()->currentMessage(),
              QStringLiteral("Draw can be claimed: threefold repetition"));
    // The menu's Actions hold the entries before Exit.
    QMenu* actions = Frame().menuBar()->actions().at(0)->menu();
    QStringList texts;
    for (QAction* entry : actions->actions())
        if (!entry->isSeparator()) texts << entry->text();
    EXPECT_EQ(texts.mid(texts.size() - 4),
              (QStringList{"Claim Draw", "Offer Draw", "Resign", "E&xit"}));
    ASSERT_TRUE(Frame().Execute(cmd::ClaimDraw));
    EXPECT_EQ(boxes.back(), "Draw!");
    EXPECT_EQ(Frame().statusBar()->currentMessage(),
              QStringLiteral("Draw: threefold repetition (1/2-1/2)"));
    EXPECT_FALSE(Enabled(cmd::ClaimDraw));
    EXPECT_FALSE(Frame().Execute(cmd::Resign));
}
