#include "scene_fixture.h"

#include "render/board_theme.h"
#include "render/geometry/matrix.h"
#include "support/file_size_limit.h"

#include <algorithm>
#include <functional>
#include <sstream>

namespace {

// Every game file's keys, the same since the first.
constexpr const char* kKeysInOrder[] = {
    "Music",          "Sound Effects",    "Game Level",      "Player Mode", "Player Color",
    "Current Move",   "Matrix",           "Camera Position", "Mirror",      "YAngle",
    "Sky Number",     "Sky Flague",       "Animation",       "Shadows",     "Letters",
    "Delete Figures", "Textured Figures", "Textured Board",  "Timer",       "Nickname",
    "Move List",      "Draw Mode"};

// Keys that came later: in a game file only when one is away from its default.
constexpr const char* kLaterKeys[] = {"Camera Distance", "Standard Notation", "Board Theme",
                                      "Smooth Edges"};

// The section "Engine", after "Settings" in the settings file.
constexpr const char* kEngineKeys[] = {"Engine",
                                       "Engine Program",
                                       "Engine Time Easy",
                                       "Engine Skill Level Easy",
                                       "Engine Elo Easy",
                                       "Engine Time Medium",
                                       "Engine Skill Level Medium",
                                       "Engine Elo Medium",
                                       "Engine Time Difficult",
                                       "Engine Skill Level Difficult",
                                       "Engine Elo Difficult"};

std::vector<std::string> KeysOf(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos && line[0] != ';') keys.push_back(line.substr(0, equals));
    }
    return keys;
}

bool IsHalfTurn(const float* m) {
    float expected[16];
    SetHalfTurn(expected);
    for (int i = 0; i < 16; ++i)
        if (std::abs(m[i] - expected[i]) > 1e-6f) return false;
    return true;
}

} // namespace

TEST_F(SceneTest, WithoutSettingsFileDefaultsApplyAndExitWritesAllKeysInOrder) {
    CScene& s = StartScene();
    EXPECT_TRUE(IsHalfTurn(s.settings.matrix)); // White at the bottom
    EXPECT_EQ(s.settings.playerMode, 0);
    EXPECT_EQ(s.settings.gameLevel, 0);
    EXPECT_EQ(s.settings.soundEffects, 1);
    EXPECT_EQ(s.settings.music, 1);
    EXPECT_EQ(s.settings.timer, 1);
    EXPECT_EQ(s.settings.moveList, 1);
    EXPECT_EQ(s.settings.nickname, "Player");
    EXPECT_EQ(host.music, std::vector<bool>{true});
    EXPECT_EQ(host.skies, std::vector<int>{0});
    EXPECT_TRUE(boxes.empty()); // a missing engine is not reported at start-up

    EXPECT_EQ(s.settings.discoverable, 1);

    // With the defaults, a game file carries the keys game files always had, and no more.
    ASSERT_EQ(s.SaveGame("game.chs"), 1);
    std::vector<std::string> keys(std::begin(kKeysInOrder), std::end(kKeysInOrder));
    std::vector<std::string> gameKeys = KeysOf(ReadFile("game.chs"));
    ASSERT_FALSE(gameKeys.empty());
    EXPECT_EQ(gameKeys.back(), "Figures");
    gameKeys.pop_back();
    EXPECT_EQ(gameKeys, keys);

    // The settings file shows the later keys too, and the program's own after them.
    StopScene();
    const std::string text = ReadFile("Tavlion.INI");
    keys.insert(keys.end(), std::begin(kLaterKeys), std::end(kLaterKeys));
    keys.insert(keys.end(), {"Restore Unfinished Game", "Discoverable", "Time Control Minutes",
                             "Time Control Increment"});
    keys.insert(keys.end(), std::begin(kEngineKeys), std::end(kEngineKeys));
    EXPECT_EQ(KeysOf(text), keys);
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("Discoverable=1"), std::string::npos);
    EXPECT_NE(text.find("[Engine]"), std::string::npos);
}

TEST_F(SceneTest, AGameFileHoldsTheLaterSettingsOnlyAwayFromTheirDefaults) {
    CScene& s = StartScene();
    s.settings.boardTheme = 1;
    s.settings.standardNotation = 1;
    ASSERT_EQ(s.SaveGame("themed.chs"), 1);
    const std::vector<std::string> keys = KeysOf(ReadFile("themed.chs"));
    const auto holds = [&keys](const char* key) { return std::ranges::count(keys, key) == 1; };
    // Together, so that the file says how each of them stood.
    for (const char* key : kLaterKeys) EXPECT_TRUE(holds(key)) << key;

    s.settings.boardTheme = s.settings.standardNotation = 0;
    ASSERT_EQ(s.SaveGame("plain.chs"), 1);
    ASSERT_EQ(s.OpenGame("themed.chs"), 1);
    EXPECT_EQ(s.settings.boardTheme, 1);
    EXPECT_EQ(s.settings.standardNotation, 1);
    // A file without them, like every game file before them, leaves the look alone.
    ASSERT_EQ(s.OpenGame("plain.chs"), 1);
    EXPECT_EQ(s.settings.boardTheme, 1);
    EXPECT_EQ(s.settings.standardNotation, 1);
}

TEST_F(SceneTest, SettingsAreReadBackAtTheNextStart) {
    CScene& first = StartScene();
    first.settings.gameLevel = 2;
    first.settings.music = 0;
    first.settings.nickname = "Anna";
    first.settings.skyNumber = 2;
    first.RotateCamera(40, 30);
    const point3d eye = first.settings.eye;
    const float yAngle = first.settings.yAngle;
    float matrix[16];
    std::copy(std::begin(first.settings.matrix), std::end(first.settings.matrix), matrix);
    StopScene();

    CScene& second = StartScene();
    EXPECT_EQ(second.settings.gameLevel, 2);
    EXPECT_EQ(second.settings.music, 0);
    EXPECT_EQ(second.settings.nickname, "Anna");
    EXPECT_EQ(second.settings.skyNumber, 2);
    EXPECT_NEAR(second.settings.eye.y, eye.y, 1e-5);
    EXPECT_NEAR(second.settings.eye.z, eye.z, 1e-5);
    EXPECT_NEAR(second.settings.yAngle, yAngle, 1e-6);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(second.settings.matrix[i], matrix[i], 1e-5);
    EXPECT_EQ(host.music.back(), false);
    EXPECT_EQ(host.skies.back(), 2);
}

TEST_F(SceneTest, LoadedCurrentMoveIsAlwaysZero) {
    WriteFile("Tavlion.INI", "[Settings]\r\nCurrent Move=1\r\nPlayer Color=0\r\n");
    CScene& s = StartScene();
    EXPECT_EQ(s.settings.currentMove, 0);
    EXPECT_EQ(s.settings.playerColor, 0);
}

TEST_F(SceneTest, LoadedBlackInOnePlayerModeFacesBlackAndWaitsForStartGame) {
    WriteFile("Tavlion.INI", "[Settings]\r\nPlayer Color=1\r\nPlayer Mode=0\r\n");
    CScene& s = StartScene();
    EXPECT_EQ(s.settings.currentMove, 1);
    float identity[16];
    SetIdentity(identity);
    EXPECT_TRUE(std::equal(identity, identity + 16, s.settings.matrix));
    EXPECT_EQ(s.gameStarted, 0);
    EXPECT_TRUE(s.CanStartGame());

    ClickSquare(s, 4, 6);
    EXPECT_EQ(s.board.selected, 0);
}

TEST_F(SceneTest, LoadedBlackInTwoPlayerModeStartsTheGameFacingWhite) {
    WriteFile("Tavlion.INI", "[Settings]\r\nPlayer Color=1\r\nPlayer Mode=1\r\n");
    CScene& s = StartScene();
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_EQ(s.settings.currentMove, 0);
    EXPECT_TRUE(IsHalfTurn(s.settings.matrix));
    EXPECT_TRUE(s.IsClockRunning());
}

TEST_F(SceneTest, UnknownKeysAreIgnoredAndMissingKeysKeepDefaults) {
    WriteFile("Tavlion.INI", "[Settings]\nGame Level=1\nColour Depth=32\n[Other]\nTimer=0\n");
    CScene& s = StartScene();
    EXPECT_EQ(s.settings.gameLevel, 1);
    EXPECT_EQ(s.settings.timer, 1);
    EXPECT_EQ(s.settings.animation, 1);
    StopScene();
    EXPECT_EQ(ReadFile("Tavlion.INI").find("Colour Depth"), std::string::npos);
}

TEST_F(SceneTest, CommandsChangeSettingsAtOnce) {
    CScene& s = StartScene();
    s.ToggleSetting(&sSettings::shadows);
    EXPECT_EQ(s.settings.shadows, 0);
    s.ToggleSetting(&sSettings::shadows);
    EXPECT_EQ(s.settings.shadows, 1);
    s.ToggleMusic();
    EXPECT_EQ(s.settings.music, 0);
    EXPECT_EQ(host.music.back(), false);
    s.ToggleMusic();
    EXPECT_EQ(host.music.back(), true);
    s.SetGameLevel(2);
    s.SetPlayerMode(1);
    EXPECT_EQ(s.settings.gameLevel, 2);
    EXPECT_EQ(s.settings.playerMode, 1);
    s.ChooseBlack(); // two players: the game starts, facing White
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_FALSE(s.CanChoosePlayerMode());
    EXPECT_FALSE(s.CanChooseColor());
    s.SetPlayerMode(0);
    EXPECT_EQ(s.settings.playerMode, 1);
}

TEST_F(SceneTest, BoardThemeComesWithItsSmoothEdgesAndTravelsWithGameFiles) {
    CScene& s = StartScene();
    EXPECT_EQ(s.settings.boardTheme, 0);
    EXPECT_EQ(s.settings.smoothEdges, 0);
    s.SetBoardTheme(1);
    EXPECT_EQ(s.settings.boardTheme, 1);
    EXPECT_EQ(s.settings.smoothEdges, 1);
    s.ToggleSetting(&sSettings::smoothEdges); // the switch stays the player's
    EXPECT_EQ(s.settings.smoothEdges, 0);
    ASSERT_EQ(s.SaveGame((workDir / "tournament.chs").string()), 1);
    EXPECT_NE(ReadFile("tournament.chs").find("Board Theme=1"), std::string::npos);

    // A game file of an earlier build has neither key: the look stays.
    s.SetBoardTheme(0);
    ASSERT_EQ(s.SaveGame((workDir / "classic.chs").string()), 1);
    s.SetBoardTheme(1);
    const std::string classic = ReadFile("classic.chs");
    std::string withoutTheme;
    std::istringstream lines(classic);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("Board Theme", 0) != 0 && line.rfind("Smooth Edges", 0) != 0)
            withoutTheme += line + "\n";
    WriteFile("old.chs", withoutTheme);
    ASSERT_EQ(s.OpenGame((workDir / "old.chs").string()), 1);
    EXPECT_EQ(s.settings.boardTheme, 1);

    ASSERT_EQ(s.OpenGame((workDir / "tournament.chs").string()), 1);
    EXPECT_EQ(s.settings.boardTheme, 1);
    EXPECT_EQ(s.settings.smoothEdges, 0);
    StopScene();
    const std::string ini = ReadFile("Tavlion.INI");
    EXPECT_NE(ini.find("Board Theme=1"), std::string::npos);
    EXPECT_NE(ini.find("Smooth Edges=0"), std::string::npos);
}

TEST_F(SceneTest, AnUnknownBoardThemeIsDrawnAsClassic) {
    WriteFile("Tavlion.INI", "[Settings]\r\nBoard Theme=7\r\n");
    CScene& s = StartScene();
    EXPECT_EQ(BoardThemeIndex(s.settings.boardTheme), 0);
    EXPECT_STREQ(BoardTheme(s.settings.boardTheme).name, "Classic");
    s.SetBoardTheme(-3);
    EXPECT_EQ(s.settings.boardTheme, 0);
}

TEST_F(SceneTest, ASettingsFileThatCannotBeReadIsReportedAndLeftAlone) {
    namespace fs = std::filesystem;
    const fs::path file = workDir / "Tavlion.INI";
    // A folder of that name, and a link that leads only to itself.
    const std::function<void()> makeUnreadable[] = {
        [&] { fs::create_directory(file); },
        [&] { fs::create_symlink(file.filename(), file); },
    };
    for (const auto& make : makeUnreadable) {
        fs::remove_all(file);
        make();
        boxes.clear();
        CScene& s = StartScene();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find((workDir / "Tavlion.INI").string()), std::string::npos);
        EXPECT_NE(boxes[0].find("not save"), std::string::npos) << boxes[0];
        EXPECT_EQ(s.settings.gameLevel, 0);
        s.SetGameLevel(2);
        EXPECT_TRUE(s.RequestClose());
        StopScene();
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(file))) << "the file was replaced";
    }
}

TEST_F(SceneTest, SettingsThatCannotBeSavedAtExitAreReportedOnce) {
    CScene& s = StartScene();
    {
        FileSizeLimit full(16);
        EXPECT_TRUE(s.RequestClose());
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0],
              "Cannot save the settings to \"" + (workDir / "Tavlion.INI").string() + "\".");
    StopScene();
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(SceneTest, ClosingTheWindowSavesTheSettings) {
    CScene& s = StartScene();
    s.SetGameLevel(1);
    EXPECT_TRUE(s.RequestClose());
    EXPECT_NE(ReadFile("Tavlion.INI").find("Game Level=1\r\n"), std::string::npos);
    StopScene();
    EXPECT_TRUE(boxes.empty());
}
