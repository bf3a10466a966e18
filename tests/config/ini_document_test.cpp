#include "ini_fixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

constexpr const char* kBanner = "Tavlion test banner\nhttps://example.invalid/tavlion";

// The two documents of the program: settings, and a game with a board.
struct GameDocument {
    SettingsFields fields;
    TextObject board;
    CFileStorage document;
    explicit GameDocument(const std::string& file) {
        document.SetFileName(file.c_str());
        document.SetBanner(kBanner);
        BindSettings(document, fields);
        document.AddPartition("Board")->AddItem("Figures", &board, INI_OBJECT);
    }
};

class IniDocument : public testing::Test {
protected:
    TempDir dir;
    std::string file = dir.File("Tavlion.INI");
    GameDocument game{file};

    int LoadText(const std::string& text) {
        WriteBytes(file, text);
        return game.document.Load();
    }
};

TEST_F(IniDocument, SavesTheExactBytes) {
    game.fields.matrix[12] = 2.5f; // a translation shows that rows are written, not columns
    game.fields.eye[0] = -0.25f;
    game.fields.nickname = "Anna Karenina";
    game.board.text = "6 0 4 0 ; 6 1 4 7";
    ASSERT_EQ(game.document.Save(), 1);
    EXPECT_EQ(ReadBytes(file),
              "Tavlion test banner\r\nhttps://example.invalid/tavlion\r\n"
              "\r\n[Settings]\r\n"
              "Music=1\r\nSound Effects=1\r\nGame Level=0\r\nPlayer Mode=0\r\nPlayer Color=0\r\n"
              "Current Move=0\r\n"
              "Matrix=-1.000000 0.000000 0.000000 2.500000 0.000000 -1.000000 0.000000 0.000000 "
              "0.000000 0.000000 1.000000 0.000000 0.000000 0.000000 0.000000 1.000000 \r\n"
              "Camera Position=-0.250000 8.000000 8.000000\r\n"
              "Mirror=1\r\nYAngle=0.000000\r\nSky Number=0\r\nSky Flague=1\r\nAnimation=1\r\n"
              "Shadows=1\r\nLetters=1\r\nDelete Figures=1\r\nTextured Figures=0\r\n"
              "Textured Board=1\r\nTimer=1\r\nNickname=Anna Karenina\r\nMove List=1\r\n"
              "Draw Mode=1\r\n"
              "\r\n[Board]\r\nFigures=6 0 4 0 ; 6 1 4 7\r\n");
}

TEST_F(IniDocument, RoundTripRestoresEveryType) {
    int32_t four[4] = {-7, 0, 2147483647, -2147483647 - 1};
    sIniByte3 bytes{12345, {0, 128, 255}};
    CIniPartition* extra = game.document.AddPartition("Extra");
    extra->AddItem("Four", four, INI_INT4);
    extra->AddItem("Bytes", &bytes, INI_BYTE3);
    game.fields = {.music = 0,
                   .gameLevel = 2,
                   .eye = {1.5f, -2.25f, 1e6f},
                   .yAngle = -0.785398f,
                   .nickname = " Ivan = the  Terrible"};
    for (int i = 0; i < 16; ++i) game.fields.matrix[i] = static_cast<float>(i) - 7.5f;
    game.board.text = "figures";
    ASSERT_EQ(game.document.Save(), 1);

    GameDocument loaded{file};
    int32_t fourLoaded[4] = {};
    sIniByte3 bytesLoaded{99, {}};
    CIniPartition* extraLoaded = loaded.document.AddPartition("Extra");
    extraLoaded->AddItem("Four", fourLoaded, INI_INT4);
    extraLoaded->AddItem("Bytes", &bytesLoaded, INI_BYTE3);
    ASSERT_EQ(loaded.document.Load(), 1);
    EXPECT_EQ(loaded.fields.music, 0);
    EXPECT_EQ(loaded.fields.gameLevel, 2);
    EXPECT_EQ(loaded.fields.soundEffects, 1);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(loaded.fields.matrix[i], game.fields.matrix[i]);
    EXPECT_EQ(loaded.fields.eye[1], -2.25f);
    EXPECT_EQ(loaded.fields.eye[2], 1e6f);
    EXPECT_FLOAT_EQ(loaded.fields.yAngle, -0.785398f);
    EXPECT_EQ(loaded.fields.nickname, " Ivan = the  Terrible");
    EXPECT_EQ(loaded.board.text, "figures");
    EXPECT_EQ(std::vector(fourLoaded, fourLoaded + 4), std::vector(four, four + 4));
    EXPECT_EQ(bytesLoaded.reserved, 99);
    EXPECT_EQ(bytesLoaded.value[1], 128);
    EXPECT_EQ(bytesLoaded.value[2], 255);
}

TEST_F(IniDocument, FloatsComeBackRoundedToSixDecimals) {
    game.fields.yAngle = 0.0000004f;
    game.fields.eye[0] = 0.1234567f;
    ASSERT_EQ(game.document.Save(), 1);
    ASSERT_EQ(game.document.Load(), 1);
    EXPECT_EQ(game.fields.yAngle, 0.0f);
    EXPECT_EQ(game.fields.eye[0], 0.123457f);
}

TEST_F(IniDocument, HeadersMatchByLengthAndCaseInsensitiveName) {
    ASSERT_EQ(LoadText("[sETTINGS]\nMusic=2\n[Board]\n[Settings>\nGame Level=2\n"
                       "[Settings] \nPlayer Mode=1\n [Settings]\nTimer=0\n"),
              1);
    EXPECT_EQ(game.fields.music, 2);
    EXPECT_EQ(game.fields.gameLevel, 2);  // the closing character is not looked at
    EXPECT_EQ(game.fields.playerMode, 0); // the trailing blank counts in the length
    EXPECT_EQ(game.fields.timer, 1);      // a header never starts with a blank
}

TEST_F(IniDocument, KeysAndValuesSplitAtTheFirstEquals) {
    ASSERT_EQ(LoadText("banner=ignored\r\n[Settings]\r\nmUSIC=0\r\nTimer =0\r\n"
                       "Nickname=  a=b=c  \r\nSound Effects\r\n"),
              1);
    EXPECT_EQ(game.fields.music, 0);
    EXPECT_EQ(game.fields.timer, 1);
    EXPECT_EQ(game.fields.nickname, "  a=b=c");
    EXPECT_EQ(game.fields.soundEffects, 0); // the value text of a bare key is the key itself
}

TEST_F(IniDocument, LastOccurrenceWinsInAnyOrder) {
    ASSERT_EQ(LoadText("[Board]\nFigures=first\n[Settings]\nMusic=3\nMusic=4\n[Nowhere]\nMusic=9\n"
                       "[Board]\nFigures=second\n[Settings]\nGame Level=1\n"),
              1);
    EXPECT_EQ(game.fields.music, 4);
    EXPECT_EQ(game.fields.gameLevel, 1);
    EXPECT_EQ(game.board.text, "second");
}

TEST_F(IniDocument, ARefusedLastValueLeavesAnEarlierOneUnapplied) {
    game.board.text = "before";
    ASSERT_EQ(LoadText("[Board]\nFigures=sound\n[Board]\nfigures=throw\n"), 1);
    EXPECT_EQ(game.board.text, "before");
}

// Lines that end in a CR of their own, before the CR LF or after blanks:
// the CR is part of the value, and the blanks before it stay.
TEST_F(IniDocument, ValuesEndingInACarriageReturnSurviveTheirSave) {
    const std::string found = "[settings]\nNickname= \r\r\n";
    ASSERT_EQ(found.size(), 24u);
    for (const std::string& text :
         {found, "[Settings]\r\nNickname=a\r \t\r\n"s, "[Settings]\nNickname=\r\r\r\n"s,
          "[Settings]\nNickname=\r\n\r\n"s, "[Settings]\nNickname=b\rc \r\n"s}) {
        SCOPED_TRACE(testing::PrintToString(text));
        ASSERT_EQ(LoadText(text), 1);
        const std::string value = std::string(game.fields.nickname.View());
        ASSERT_EQ(game.document.Save(), 1);
        const std::string saved = ReadBytes(file);
        GameDocument again{file};
        ASSERT_EQ(again.document.Load(), 1);
        EXPECT_EQ(std::string(again.fields.nickname.View()), value);
        ASSERT_EQ(again.document.Save(), 1);
        EXPECT_EQ(ReadBytes(file), saved);
    }
    ASSERT_EQ(LoadText(found), 1);
    EXPECT_EQ(game.fields.nickname, " \r");
}

TEST_F(IniDocument, UnknownKeysAndSectionsAreDroppedOnSave) {
    ASSERT_EQ(LoadText("[Settings]\nMusic=0\nSecret=1\n[Private]\nKey=2\n"), 1);
    ASSERT_EQ(game.document.Save(), 1);
    const std::string saved = ReadBytes(file);
    EXPECT_NE(saved.find("Music=0\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("Secret"), std::string::npos);
    EXPECT_EQ(saved.find("Private"), std::string::npos);
}

TEST_F(IniDocument, FailedLoadChangesNothing) {
    game.fields.music = 7;
    EXPECT_EQ(game.document.Load(dir.File("missing.INI").c_str()), 0);
    EXPECT_EQ(LoadText(""), 0);
    EXPECT_EQ(LoadText("[Settings]\rMusic=0\r"), 0);
    EXPECT_EQ(game.document.Load(dir.Path().string().c_str()), 0); // a directory
    EXPECT_EQ(game.fields.music, 7);
}

TEST_F(IniDocument, TellsAMissingFileFromOneThatCannotBeRead) {
    EXPECT_EQ(game.document.Read(dir.File("missing.INI").c_str()), LoadOutcome::Missing);
    EXPECT_EQ(game.document.Read(dir.Path().string().c_str()), LoadOutcome::Unreadable);
    const std::string loop = dir.File("loop.INI");
    std::filesystem::create_symlink("loop.INI", loop);
    EXPECT_EQ(game.document.Read(loop.c_str()), LoadOutcome::Unreadable);
    WriteBytes(file, "");
    EXPECT_EQ(game.document.Read(file.c_str()), LoadOutcome::NoLines);
    WriteBytes(file, "[Settings]\nMusic=0\n");
    EXPECT_EQ(game.document.Read(file.c_str()), LoadOutcome::Loaded);
    EXPECT_EQ(game.fields.music, 0);
}

TEST_F(IniDocument, ObjectParseFailureSkipsOnlyThatLine) {
    ASSERT_EQ(LoadText("[Board]\nFigures=throw\nfigures=kept\n"), 1);
    EXPECT_EQ(game.board.text, "kept");
}

TEST(IniItem, UnknownTypeAndNullVariableWriteNoValue) {
    TempDir dir;
    CFileStorage document;
    int32_t value = 5;
    CIniPartition* section = document.AddPartition("S");
    section->AddItem("Five", &value, 5);
    section->AddItem("Minus", &value, -1);
    section->AddItem("Null", nullptr, INI_INT);
    document.SetBanner("b");
    ASSERT_EQ(document.Save(dir.File("x.ini").c_str()), 1);
    EXPECT_EQ(ReadBytes(dir.File("x.ini")),
              "b\r\n\r\n[S]\r\nFive=ERR: UNKNOWN TYPE\r\nMinus=ERR: UNKNOWN TYPE\r\nNull=\r\n");
    ASSERT_EQ(document.Load(), 1);
    EXPECT_EQ(value, 5);
}

TEST(IniDocumentDeclarations, RemoveAllForgetsSections) {
    CFileStorage document;
    document.AddPartition("A")->AddItem("k", nullptr, INI_INT);
    document.AddPartition("B");
    EXPECT_EQ(document.GetCount(), 2);
    document.RemoveAll();
    EXPECT_EQ(document.GetCount(), 0);
    document.SetFileName("a.ini");
    document.SetFileName(nullptr);
    EXPECT_EQ(document.GetFileName(), "a.ini");
}

} // namespace
