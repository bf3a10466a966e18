#include "render/bmp_file.h"
#include "render/texture_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

// The two headers of a BMP; pixel rows follow.
Bytes Headers(std::int32_t width, std::int32_t height, int bits = 24, std::uint16_t type = 0x4D42) {
    Bytes b;
    Put(b, type, 2);
    Put(b, 0, 4); // file size: not read
    Put(b, 0, 4);
    Put(b, 54, 4);
    Put(b, 40, 4);
    Put(b, std::uint32_t(width), 4);
    Put(b, std::uint32_t(height), 4);
    Put(b, 1, 2);
    Put(b, std::uint32_t(bits), 2);
    for (int i = 0; i < 6; ++i) Put(b, 0, 4);
    return b;
}

class BmpTest : public ::testing::Test {
protected:
    std::string Write(const Bytes& bytes) {
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path_.string();
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("tavlion_bmp_" + std::to_string(::getpid()) + ".bmp");
};

bool IsRgb(const mColor_24* c, int r, int g, int b) {
    return c->r == r && c->g == g && c->b == b;
}

TEST_F(BmpTest, BottomUpRowsArePaddedToFourBytes) {
    Bytes file = Headers(2, 2);
    // The file's first row is the picture's bottom row (row 1), stored blue, green, red.
    for (int v : {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0})
        file.push_back(std::uint8_t(v));
    BMP_File bmp;
    ASSERT_EQ(bmp.Load(Write(file).c_str()), 1);
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.Height(), 2);
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 1), 3, 2, 1));
    EXPECT_TRUE(IsRgb(bmp.Pixel(1, 1), 6, 5, 4));
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 0), 9, 8, 7));
    EXPECT_TRUE(IsRgb(bmp.Pixel(1, 0), 12, 11, 10));
    // Texture rows go up with the top row first.
    const TextureImage texture = TextureFromBmp(bmp);
    EXPECT_EQ(texture.rgb, (Bytes{9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));
}

TEST_F(BmpTest, PixelsAreReadFromByte54WhateverTheHeaderSays) {
    Bytes file = Headers(2, 1);
    for (int v : {1, 2, 3, 4, 5, 6, 7, 8})
        file.push_back(std::uint8_t(v)); // a palette entry, then pixels
    BMP_File bmp;
    ASSERT_EQ(bmp.Load(Write(file).c_str()), 1);
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 0), 3, 2, 1));
    EXPECT_TRUE(IsRgb(bmp.Pixel(1, 0), 6, 5, 4));
}

TEST_F(BmpTest, ShortPixelDataLeavesTheMissingRowsBlack) {
    Bytes file = Headers(1, 3);
    for (int v : {10, 20, 30, 0, 40, 50}) file.push_back(std::uint8_t(v)); // one row and a half
    BMP_File bmp;
    ASSERT_EQ(bmp.Load(Write(file).c_str()), 1);
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 2), 30, 20, 10));
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 1), 0, 0, 0));
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 0), 0, 0, 0));
}

TEST_F(BmpTest, RefusesWhatIsNotAPlain24BitPicture) {
    BMP_File bmp;
    Bytes eightBit = Headers(1, 1, 8);
    Put(eightBit, 0, 4);
    EXPECT_EQ(bmp.Load(Write(eightBit).c_str()), 0);
    Bytes notBm = Headers(1, 1, 24, 0x4142);
    Put(notBm, 0, 4);
    EXPECT_EQ(bmp.Load(Write(notBm).c_str()), 0);
    Bytes shortHeader = Headers(1, 1);
    shortHeader.resize(50);
    EXPECT_EQ(bmp.Load(Write(shortHeader).c_str()), 0);
    EXPECT_EQ(bmp.Load(Write({}).c_str()), 0);
    EXPECT_EQ(bmp.Load("/nonexistent/board.bmp"), 0);
}

TEST_F(BmpTest, RefusesSizesThatAreNotPositiveOrTooLarge) {
    BMP_File bmp;
    for (auto [w, h] : {std::pair{0, 4},
                        {4, 0},
                        {4, -4},
                        {-4, 4},
                        {100000, 100000},
                        {0x7FFFFFFF, 0x7FFFFFFF},
                        {1, 0x40000000}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        Bytes file = Headers(w, h);
        Put(file, 0, 4);
        EXPECT_EQ(bmp.Load(Write(file).c_str()), 0);
        EXPECT_EQ(bmp.Width(), 0);
    }
}

TEST_F(BmpTest, ALoadReplacesTheEarlierPicture) {
    Bytes file = Headers(1, 1);
    Put(file, 0x00FF00, 4);
    BMP_File bmp;
    ASSERT_EQ(bmp.Load(Write(file).c_str()), 1);
    EXPECT_TRUE(IsRgb(bmp.Pixel(0, 0), 0, 255, 0));
    EXPECT_EQ(bmp.Load("/nonexistent/board.bmp"), 0);
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_EQ(bmp.Pixels(), nullptr);
}

TEST_F(BmpTest, PixelsOutsideThePictureAreASpare) {
    BMP_File bmp;
    mColor_24* spare = bmp.Pixel(5, 5);
    spare->r = 200;
    EXPECT_TRUE(IsRgb(bmp.Pixel(-1, 0), 0, 0, 0));
    Bytes file = Headers(2, 1);
    Put(file, 0, 4);
    Put(file, 0, 4);
    ASSERT_EQ(bmp.Load(Write(file).c_str()), 1);
    EXPECT_EQ(bmp.Pixel(2, 0), bmp.Pixel(0, 1)); // never the next row
    EXPECT_NE(bmp.Pixel(2, 0), bmp.Pixel(0, 0));
}

} // namespace
