#include "ini_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// What a file does to one key: Load's result and the value text the key is
// saved with afterwards (defaults: Music=1, Nickname=Player, YAngle=0.000000).
struct MalformedCase {
    const char* what;
    std::string file;
    int loaded;
    const char* key;
    const char* saved;
};

const MalformedCase kCases[] = {
    {"empty file", "", 0, "Music", "1"},
    {"one line without line end", "[Settings]", 0, "Music", "1"},
    {"lone CR line ends", "[Settings]\rMusic=0\r", 0, "Music", "1"},
    {"last line without line end", "[Settings]\nMusic=0", 1, "Music", "1"},
    {"CR LF line ends", "[Settings]\r\nMusic=0\r\n", 1, "Music", "0"},
    {"mixed line ends", "[Settings]\r\nMusic=0\nTimer=0\r\n", 1, "Music", "0"},
    {"mixed case header and key", "[sEtTiNgS]\nmUsIc=0\n", 1, "Music", "0"},
    {"header with trailing blank", "[Settings] \nMusic=0\n", 1, "Music", "1"},
    {"header with tab before", "\t[Settings]\nMusic=0\n", 1, "Music", "1"},
    {"blank before equals", "[Settings]\nMusic =0\n", 1, "Music", "1"},
    {"blanks after equals", "[Settings]\nMusic=   0\n", 1, "Music", "0"},
    {"trailing blanks", "[Settings]\nNickname=Bob \t \n", 1, "Nickname", "Bob"},
    {"bare key", "[Settings]\nMusic\n", 1, "Music", "0"},
    {"letters", "[Settings]\nMusic=on\n", 1, "Music", "0"},
    {"digits then letters", "[Settings]\nMusic=12abc\n", 1, "Music", "12"},
    {"huge integer", "[Settings]\nMusic=99999999999999999999\n", 1, "Music", "2147483647"},
    {"huge negative", "[Settings]\nMusic=-99999999999\n", 1, "Music", "-2147483648"},
    {"huge float", "[Settings]\nYAngle=1e999\n", 1, "YAngle", "inf"},
    {"beyond float range", "[Settings]\nYAngle=-1e39\n", 1, "YAngle", "-inf"},
    {"tiny float", "[Settings]\nYAngle=1e-300\n", 1, "YAngle", "0.000000"},
    {"comma decimal", "[Settings]\nYAngle=1,5\n", 1, "YAngle", "1.000000"},
    {"hexadecimal float", "[Settings]\nYAngle=0x1.8p1\n", 1, "YAngle", "3.000000"},
    {"zero byte in value", "[Settings]\nNickname=ab\0cd\n"s, 1, "Nickname", "ab"},
    {"value with equals", "[Settings]\nNickname==x=\n", 1, "Nickname", "=x="},
    {"double space in matrix", "[Settings]\nMatrix=1  2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n", 1,
     "Matrix",
     "1.000000 0.000000 2.000000 3.000000 4.000000 5.000000 6.000000 7.000000 8.000000 "
     "9.000000 10.000000 11.000000 12.000000 13.000000 14.000000 15.000000 "},
    {"short matrix", "[Settings]\nMatrix=1 2 3 4 5 6 7 8 9 10 11 12\n", 1, "Matrix",
     "1.000000 2.000000 3.000000 4.000000 5.000000 6.000000 7.000000 8.000000 9.000000 "
     "10.000000 11.000000 12.000000 0.000000 0.000000 0.000000 0.000000 "},
    {"tab in float triple", "[Settings]\nCamera Position=1\t2 3\n", 1, "Camera Position",
     "1.000000 3.000000 0.000000"},
    {"leading space in float triple", "[Settings]\nCamera Position= 1 2 3\n", 1, "Camera Position",
     "0.000000 1.000000 2.000000"},
    {"key outside any section", "Music=0\n[Settings]\n", 1, "Music", "1"},
    {"undeclared section ends the body", "[Settings]\n[Other]\nMusic=0\n", 1, "Music", "1"},
};

class MalformedInput : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedInput, HasItsDocumentedOutcome) {
    const MalformedCase& c = GetParam();
    TempDir dir;
    SettingsFields fields;
    CFileStorage document;
    BindSettings(document, fields);
    WriteBytes(dir.File("in.ini"), c.file);
    EXPECT_EQ(document.Load(dir.File("in.ini").c_str()), c.loaded);
    ASSERT_EQ(document.Save(dir.File("out.ini").c_str()), 1);
    const std::string saved = ReadBytes(dir.File("out.ini"));
    const std::string start = "\r\n" + std::string(c.key) + "=";
    const size_t at = saved.find(start);
    ASSERT_NE(at, std::string::npos);
    const std::string value =
        saved.substr(at + start.size(), saved.find("\r\n", at + 2) - at - start.size());
    EXPECT_EQ(value, c.saved);
}

INSTANTIATE_TEST_SUITE_P(Table, MalformedInput, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<MalformedCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

} // namespace
