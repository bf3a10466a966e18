#include "scene_fixture.h"
#include "support/board_value.h"
#include "support/file_size_limit.h"

TEST_F(SceneTest, SavingAndOpeningAGameRestoresItsSettings) {
    CScene& s = StartScene();
    s.board.SetupFigures();
    s.settings.gameLevel = 2;
    s.settings.playerMode = 1;
    s.settings.skyNumber = 1;
    s.settings.music = 0;
    EXPECT_EQ(s.SaveGame((workDir / "game.chs").string()), 1);
    EXPECT_EQ(s.gamePath, (workDir / "game.chs").string());
    EXPECT_EQ(host.title, "Tavlion - " + s.gamePath);
    EXPECT_TRUE(s.CanSaveGame());
    const std::string text = ReadFile("game.chs");
    EXPECT_NE(text.find("[Board]"), std::string::npos);
    EXPECT_NE(text.find("Figures=32 "), std::string::npos);

    s.settings.gameLevel = 0;
    s.settings.playerMode = 0;
    s.board.ClearFigures();
    s.whiteClock.minutes = 3;
    s.stopThinking = 1;
    EXPECT_EQ(s.OpenGame((workDir / "game.chs").string()), 1);
    EXPECT_EQ(s.settings.gameLevel, 2);
    EXPECT_EQ(s.settings.playerMode, 1);
    EXPECT_EQ(s.board.figures.Count(), 32);
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_EQ(s.stopThinking, 0);
    EXPECT_EQ(s.ClockText(0), "White 00:00:00");
    EXPECT_EQ(host.skies.back(), 1);
    EXPECT_EQ(host.music.back(), false);

    // The opened game's settings are kept for the next start.
    StopScene();
    CScene& next = StartScene();
    EXPECT_EQ(next.settings.gameLevel, 2);
}

TEST_F(SceneTest, AGameThatCannotBeWrittenDoesNotLookSaved) {
    CScene& s = StartScene();
    ASSERT_EQ(s.SaveGame((workDir / "first.chs").string()), 1);
    const std::string title = host.title, path = s.gamePath;

    const std::string bad = (workDir / "no such folder" / "game.chs").string();
    EXPECT_EQ(s.SaveGame(bad), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(bad), std::string::npos);
    EXPECT_EQ(host.title, title);
    EXPECT_EQ(s.gamePath, path);
}

TEST_F(SceneTest, AFullDiskKeepsThePreviousGameFile) {
    CScene& s = StartScene();
    const std::string game = (workDir / "game.chs").string();
    ASSERT_EQ(s.SaveGame(game), 1);
    const std::string before = ReadFile("game.chs");
    {
        FileSizeLimit full(before.size() / 2);
        EXPECT_EQ(s.SaveGame(game), 0);
    }
    EXPECT_EQ(ReadFile("game.chs"), before);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(SceneTest, AGameFileThatCannotBeReadChangesNothing) {
    CScene& s = StartScene();
    s.settings.gameLevel = 1;
    EXPECT_EQ(s.OpenGame((workDir / "missing.chs").string()), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(s.settings.gameLevel, 1);
    EXPECT_EQ(s.gameStarted, 0);
    EXPECT_TRUE(s.gamePath.empty());
    EXPECT_EQ(host.title, "Tavlion");
    EXPECT_FALSE(s.CanSaveGame());
}

TEST_F(SceneTest, ADamagedGameIsNotOpenedAndCannotBeSavedOver) {
    CScene& s = StartScene();
    MoveFigure(s, 4, 1, 4, 3);
    const std::string game = (workDir / "game.chs").string();
    ASSERT_EQ(s.SaveGame(game), 1);
    std::string text = ReadFile("game.chs");
    // Two figures on one square: the board refuses the value.
    const size_t figures = text.find("Figures=32 ");
    ASSERT_NE(figures, std::string::npos);
    text.replace(figures, 11, "Figures=33 1 0 0 0 ");
    text.replace(text.find("Game Level=0"), 12, "Game Level=2");
    WriteFile("damaged.chs", text);

    s.NewGame();
    const auto position = s.board.figures.Count();
    EXPECT_EQ(s.OpenGame((workDir / "damaged.chs").string()), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("damaged"), std::string::npos);
    EXPECT_EQ(s.board.figures.Count(), position);
    EXPECT_EQ(s.board.moveCount, 0);
    EXPECT_EQ(s.settings.gameLevel, 0) << "the file's settings are not taken either";
    EXPECT_EQ(s.gamePath, game) << "Save still goes to the game that was open";
    EXPECT_EQ(ReadFile("damaged.chs"), text);
}

TEST_F(SceneTest, SaveIsDisabledUntilAGameHasAPath) {
    CScene& s = StartScene();
    EXPECT_FALSE(s.CanSaveGame());
    s.SaveCurrentGame(); // nothing to save to
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(s.CanSaveGameAs());
    s.networkGame = 1;
    EXPECT_FALSE(s.CanSaveGameAs());
    EXPECT_FALSE(s.CanOpenGame());
}

namespace {

// A game document whose board values are `values`, all under one "[Board]"
// header or each under its own, after settings of level Difficult.
std::string GameWithBoardValues(const std::vector<std::string>& values, bool ownSections) {
    std::string text = "Tavlion\r\n\r\n[Settings]\r\nGame Level=2\r\n\r\n[Board]\r\n";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0 && ownSections) text += "[Board]\r\n";
        text += "Figures=" + values[i];
    }
    return text;
}

} // namespace

TEST_F(SceneTest, OnlyTheLastOfRepeatedBoardValuesCountsAndARefusedOneChangesNothing) {
    CScene& s = StartScene();
    s.settings.playerMode = 1;
    const std::string newGame = BoardValueText(s.board);
    // The open game: a capture on each side and the moves that led to it.
    MoveFigure(s, 4, 1, 4, 3);
    MoveFigure(s, 3, 6, 3, 4);
    MoveFigure(s, 4, 3, 3, 4);
    MoveFigure(s, 3, 7, 3, 4);
    ASSERT_EQ(s.board.capturedBlack.Count() + s.board.capturedWhite.Count(), 2);
    const std::string game = (workDir / "game.chs").string();
    ASSERT_EQ(s.SaveGame(game), 1);
    const std::string saved = ReadFile("game.chs");
    const std::string played = BoardValueText(s.board);
    const std::string title = host.title;
    // Two figures on one square.
    const std::string damaged = "33 1 0 0 0 " + newGame.substr(newGame.find(' ') + 1);

    for (const bool ownSections : {false, true}) {
        SCOPED_TRACE(ownSections ? "repeated section" : "repeated key");
        boxes.clear();
        WriteFile("refused.chs", GameWithBoardValues({newGame, damaged}, ownSections));
        EXPECT_EQ(s.OpenGame((workDir / "refused.chs").string()), 0);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find("damaged"), std::string::npos);
        EXPECT_EQ(BoardValueText(s.board), played); // figures, captures, history, moves
        EXPECT_EQ(s.moveTable.entries.Count(), 4);
        EXPECT_EQ(s.settings.gameLevel, 0);
        EXPECT_EQ(s.gamePath, game);
        EXPECT_EQ(host.title, title);
        s.SaveCurrentGame();
        EXPECT_EQ(ReadFile("game.chs"), saved) << "Save writes the game that was open";

        WriteFile("taken.chs", GameWithBoardValues({damaged, newGame}, ownSections));
        EXPECT_EQ(s.OpenGame((workDir / "taken.chs").string()), 1);
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_EQ(BoardValueText(s.board), newGame);
        EXPECT_EQ(s.settings.gameLevel, 2);
        ASSERT_EQ(s.OpenGame(game), 1);
    }
}
