#include "render/array.h"
#include "render/file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Array, BadIndicesUseASpareThatReadsAsZero) {
    Array<int> a;
    EXPECT_EQ(a[0], 0);
    a[-1] = 7; // goes to the spare
    EXPECT_EQ(a.Size(), 0);
    EXPECT_EQ(a[5], 0);
    a.Add(3);
    a.Add(4);
    EXPECT_EQ(a[1], 4);
    a[2] = 9;
    EXPECT_EQ(a.Size(), 2);
    a.RemoveAt(0);
    a.RemoveAt(10);
    EXPECT_EQ(a.Size(), 1);
    EXPECT_EQ(a[0], 4);
}

TEST(Array, ArraysOfArrays) {
    Array<Array<double>> lists(3);
    lists[1].Add(2.5);
    lists[7].Add(1.0); // spare list, dropped
    EXPECT_EQ(lists[1][0], 2.5);
    EXPECT_TRUE(lists[7].Empty());
    lists.SetSize(-4);
    EXPECT_EQ(lists.Size(), 0);
}

TEST(File, OpensClosesAndReopens) {
    const auto path = std::filesystem::temp_directory_path() / "tavlion_file_test.txt";
    File f;
    EXPECT_EQ(f.Open(path.c_str(), "wb"), 1);
    std::fputs("x", f.Stream());
    EXPECT_EQ(f.Open(path.c_str(), "rb"), 1); // the writer is closed first
    EXPECT_EQ(std::fgetc(f.Stream()), 'x');
    f.Close();
    EXPECT_FALSE(f.IsOpen());
    std::filesystem::remove(path);
    EXPECT_EQ(f.Open(path.c_str(), "rb"), 0);
    EXPECT_EQ(f.Open(nullptr, "rb"), 0);
}

} // namespace
