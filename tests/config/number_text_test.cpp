#include "config/number_text.h"
#include "ini_fixtures.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

namespace {

TEST(NumberText, ReadsIntegersLikeAtoi) {
    const std::pair<const char*, int32_t> cases[] = {
        {"42", 42},
        {"  \t-17x", -17},
        {"+8", 8},
        {"", 0},
        {"-", 0},
        {"+-3", 0},
        {"abc", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 2147483647},
        {"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(config::ParseInt(text), value) << text;
    EXPECT_EQ(config::ParseInt(nullptr), 0);
}

TEST(NumberText, ReadsFloatsLikeAtof) {
    const std::pair<const char*, double> cases[] = {
        {"1.5", 1.5}, {"  -0.25e2z", -25.0}, {".5", 0.5}, {"", 0.0}, {"x1", 0.0}, {"1,5", 1.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(config::ParseDouble(text), value) << text;
    EXPECT_EQ(config::ParseDouble(nullptr), 0.0);
}

TEST(NumberText, WritesLikePrintf) {
    const double values[] = {0.0, -0.0, 0.5, -1.0000005, 123456789.125, 3.4e38, 1e-7, 2.0 / 3.0};
    for (double value : values) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%f", value);
        std::string text;
        config::AppendFixed(text, value);
        EXPECT_EQ(text, expected);
    }
    std::string text;
    config::AppendInt(text, -2147483647 - 1);
    EXPECT_EQ(text, "-2147483648");
}

// Switches LC_NUMERIC to a locale with a decimal comma: one the system has, or
// one built for the test when the locale sources are at hand.
bool UseCommaLocale(const TempDir& dir) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) return true;
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE")) return false;
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + dir.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", dir.Path().c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(NumberText, IgnoresACommaLocale) {
    TempDir dir;
    if (!UseCommaLocale(dir)) GTEST_SKIP() << "no locale with a decimal comma available";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5");

    float value = 0.5f;
    CFileStorage document;
    document.AddPartition("S")->AddItem("V", &value, INI_FLOAT);
    ASSERT_EQ(document.Save(dir.File("x.ini").c_str()), 1);
    EXPECT_NE(ReadBytes(dir.File("x.ini")).find("V=0.500000\r\n"), std::string::npos);
    WriteBytes(dir.File("x.ini"), "[S]\nV=1.25\n");
    ASSERT_EQ(document.Load(), 1);
    EXPECT_EQ(value, 1.25f);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
