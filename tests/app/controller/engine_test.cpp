#include "scene_fixture.h"

#include "platform/library.h"
#include "platform/paths.h"

TEST_F(SceneTest, MissingEngineIsSilentAtStartAndRefusesMovesOnce) {
    CScene& s = StartScene();
    EXPECT_FALSE(s.BindEngine("NoEngine.dll"));
    EXPECT_FALSE(s.IsEngineReady());
    EXPECT_TRUE(boxes.empty());

    ClickSquare(s, 4, 1);
    EXPECT_TRUE(boxes.empty()); // picking a figure up is no move yet
    ClickSquare(s, 4, 3);
    ASSERT_EQ(boxes.size(), 1u);
    // The file and the folder as they are on this system.
    EXPECT_NE(boxes[0].find('"' + platform::NativeLibraryName(kEngineLibraryName) + '"'),
              std::string::npos)
        << boxes[0];
    EXPECT_NE(boxes[0].find('"' + platform::ExecutableDirectory() + '"'), std::string::npos);
    EXPECT_EQ(s.gameStarted, 0);
    ASSERT_NE(s.board.FigureAt(4, 1), nullptr);
    EXPECT_EQ(s.board.FigureAt(4, 3), nullptr);

    // Start Game needs the engine too.
    s.ChooseBlack();
    ASSERT_TRUE(s.CanStartGame());
    s.StartGame();
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(s.gameStarted, 0);

    // Everything else still works.
    EXPECT_FALSE(s.IsClockRunning());
    s.RotateBoard();
    s.NewGame();
    s.ChooseWhite();
    EXPECT_EQ(s.settings.playerColor, 0);
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(SceneTest, LibraryWithoutTheEntryPointsIsNotCalled) {
    CScene& s = StartScene();
    EXPECT_FALSE(s.BindEngine("TavlionPlatform.dll"));
    s.settings.playerMode = 1;
    MoveFigure(s, 4, 1, 4, 3);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(s.board.FigureAt(4, 3), nullptr);
}

TEST_F(SceneTest, TwoPlayersNeedOnlyTheStatusEntryPoint) {
    // The staged engine is found beside the program's libraries.
    CScene& s = StartScene();
    s.settings.playerMode = 1;
    MoveFigure(s, 4, 1, 4, 3);
    EXPECT_TRUE(boxes.empty());
    ASSERT_NE(s.board.FigureAt(4, 3), nullptr);
    EXPECT_EQ(s.settings.currentMove, 1); // Black's turn, board turned to it
}

TEST_F(SceneTest, ThinkingGuardsTheBoardsRecords) {
    CScene& s = StartScene();
    s.settings.playerMode = 0;
    s.gameStarted = 1;
    s.gamePath = "game.chs";
    s.board.thinking = 1;
    EXPECT_FALSE(s.CanReplaceGame());
    EXPECT_FALSE(s.CanOpenGame());
    EXPECT_FALSE(s.CanSaveGame());
    EXPECT_FALSE(s.CanUndo());
    EXPECT_FALSE(s.CanRedo());
    EXPECT_FALSE(s.CanPlay());

    s.whiteClock.seconds = 7;
    s.NewGame();
    EXPECT_EQ(s.whiteClock.seconds, 7); // refused: nothing replaced
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_EQ(s.OpenGame("game.chs"), 0);
    EXPECT_EQ(s.SaveGame("game.chs"), 0);
    EXPECT_FALSE(std::filesystem::exists(workDir / "game.chs"));

    EXPECT_FALSE(s.RequestClose());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Please wait the finish of the thinking or stop it!");

    s.StopThinking();
    EXPECT_EQ(s.stopThinking, 1);
    s.board.thinking = 0;
    EXPECT_TRUE(s.RequestClose());
}
