#include "scene_fixture.h"

#include "render/geometry/matrix.h"

#include <sstream>

namespace {

constexpr const char* kKeysInOrder[] = {
    "Music",          "Sound Effects",    "Game Level",      "Player Mode", "Player Color",
    "Current Move",   "Matrix",           "Camera Position", "Mirror",      "YAngle",
    "Sky Number",     "Sky Flague",       "Animation",       "Shadows",     "Letters",
    "Delete Figures", "Textured Figures", "Textured Board",  "Timer",       "Nickname",
    "Move List",      "Draw Mode"};

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

    StopScene();
    const std::string text = ReadFile("Tavlion.INI");
    EXPECT_EQ(KeysOf(text),
              std::vector<std::string>(std::begin(kKeysInOrder), std::end(kKeysInOrder)));
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
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
