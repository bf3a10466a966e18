#include "config/str_list.h"

#include <gtest/gtest.h>

namespace {

TEST(Str, AlwaysEndsWithAZeroByte) {
    Str text;
    EXPECT_EQ(text.Size(), 1);
    EXPECT_STREQ(text.c_str(), "");
    text = "abc";
    EXPECT_EQ(text.Size(), 4);
    text = static_cast<const char*>(nullptr);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(Str::Format("%s\\%d", "Sky", 3), "Sky\\3");
}

TEST(Str, OutOfRangeIndexReachesTheSpare) {
    Str text = "ab";
    text[-1] = 'x';
    text[2] = 'y';
    text[1000] = 'z';
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(text[5], 0);
    EXPECT_EQ(static_cast<const Str&>(text)[-3], 0);
    text[1] = 'B';
    EXPECT_EQ(text, "aB");
}

TEST(Str, TrimRightDropsOnlyTheGivenCharacters) {
    Str text = " a \t\n \t";
    text.TrimRight(" \t");
    EXPECT_EQ(text, " a \t\n");
    text = "  ";
    text.TrimRight(" ");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStrList, SplitsAtLineFeedsAndKeepsReadLengths) {
    CStrList lines;
    ASSERT_EQ(lines.LoadFromText("one  \r\ntwo\n\nlast without end"), 1);
    ASSERT_EQ(lines.GetCount(), 3);
    EXPECT_EQ(lines.GetAt(0), "one  ");
    EXPECT_EQ(lines.GetReadLength(0), 5);
    lines.GetAt(0).TrimRight(" ");
    EXPECT_EQ(lines.GetReadLength(0), 5);
    EXPECT_EQ(lines.GetAt(1), "two");
    EXPECT_EQ(lines.GetAt(2), "");
    EXPECT_EQ(lines.GetAt(3), "");
    lines.GetAt(-1) = "scribble";
    EXPECT_EQ(lines.GetAt(99), "");
    EXPECT_EQ(lines.GetReadLength(99), 0);
}

TEST(CStrList, NoLineEndNoLines) {
    CStrList lines;
    EXPECT_EQ(lines.LoadFromText("just one line"), 0);
    EXPECT_EQ(lines.GetCount(), 0);
    EXPECT_EQ(lines.LoadFromFile("/nonexistent/file"), 0);
    EXPECT_EQ(lines.LoadFromFile(nullptr), 0);
}

} // namespace
