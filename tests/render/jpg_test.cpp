#include "render/jpg_file.h"
#include "render/texture_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Compresses rows of `components` samples per pixel with libjpeg.
Bytes Compress(int width, int height, int components, J_COLOR_SPACE space, const Bytes& samples) {
    unsigned char* memory = nullptr;
    unsigned long size = 0;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &memory, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(&samples[std::size_t(cinfo.next_scanline) * width * components]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(memory, memory + size);
    std::free(memory);
    return out;
}

// A colour picture: red on the left half, blue on the right, a green bottom row.
Bytes ColourJpeg(int width = 16, int height = 16) {
    Bytes rgb;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool green = y >= height - 8;
            rgb.insert(rgb.end(), {std::uint8_t(green           ? 0
                                                : x < width / 2 ? 255
                                                                : 0),
                                   std::uint8_t(green ? 255 : 0),
                                   std::uint8_t(green || x < width / 2 ? 0 : 255)});
        }
    return Compress(width, height, 3, JCS_RGB, rgb);
}

class JpgTest : public ::testing::Test {
protected:
    std::string Write(const Bytes& bytes) {
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path_.string();
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("tavlion_jpg_" + std::to_string(::getpid()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".jpg");
};

TEST_F(JpgTest, GreyPictureKeepsOneBytePerPixelAndTheGreyPalette) {
    Bytes grey;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) grey.push_back(std::uint8_t(x * 16));
    JPG_File jpg;
    ASSERT_EQ(jpg.Load(Write(Compress(16, 8, 1, JCS_GRAYSCALE, grey)).c_str()), 1);
    EXPECT_TRUE(jpg.Loaded());
    EXPECT_TRUE(jpg.LastError().empty());
    EXPECT_EQ(jpg.Width(), 16u);
    EXPECT_EQ(jpg.Height(), 8u);
    EXPECT_EQ(jpg.BytesPerPixel(), 1);
    ASSERT_NE(jpg.Palette(), nullptr);
    EXPECT_EQ(jpg.Palette()[4 * 77 + 0], 77);
    EXPECT_EQ(jpg.Palette()[4 * 77 + 2], 77);
    EXPECT_EQ(jpg.Palette()[4 * 77 + 3], 0);
    EXPECT_NEAR(jpg.Pixels()[3 * 16 + 10], 160, 4);
    const TextureImage texture = TextureFromJpeg(jpg);
    ASSERT_EQ(texture.rgb.size(), 16u * 8 * 3);
    EXPECT_EQ(texture.rgb[3 * 10 + 1], jpg.Pixels()[7 * 16 + 10]); // grey spread to RGB, flipped
}

TEST_F(JpgTest, ColourPictureHasThreeBytesPerPixelTopRowFirst) {
    JPG_File jpg;
    ASSERT_EQ(jpg.Load(Write(ColourJpeg()).c_str()), 1);
    EXPECT_EQ(jpg.BytesPerPixel(), 3);
    EXPECT_EQ(jpg.Palette(), nullptr);
    const std::uint8_t* red = jpg.Pixels() + 3 * (16 * 2 + 2);
    EXPECT_GT(red[0], 230);
    EXPECT_LT(red[2], 30);
    const std::uint8_t* blue = jpg.Pixels() + 3 * (16 * 2 + 13);
    EXPECT_GT(blue[2], 230);
    const std::uint8_t* green = jpg.Pixels() + 3 * (16 * 13 + 5);
    EXPECT_GT(green[1], 230);
    // Flipped for the texture: the bottom (green) rows come first.
    const TextureImage up = TextureFromJpeg(jpg);
    EXPECT_GT(up.rgb[3 * 5 + 1], 230);
    const TextureImage asIs = TextureFromJpeg(jpg, false);
    EXPECT_GT(asIs.rgb[3 * 2], 230);
}

TEST_F(JpgTest, CmykIsTurnedIntoRgbUnderTheBlackChannel) {
    // Samples c, m, y, k with u = 255 - k: channel := max(0, channel - u).
    Bytes cmyk;
    for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {200, 100, 60, 235});
    JPG_File jpg;
    ASSERT_EQ(jpg.Load(Write(Compress(8, 8, 4, JCS_CMYK, cmyk)).c_str()), 1);
    EXPECT_EQ(jpg.BytesPerPixel(), 3);
    EXPECT_NEAR(jpg.Pixels()[0], 180, 4);
    EXPECT_NEAR(jpg.Pixels()[1], 80, 4);
    EXPECT_NEAR(jpg.Pixels()[2], 40, 4);
}

TEST_F(JpgTest, EmptyMissingAndGarbageFilesFail) {
    JPG_File jpg;
    EXPECT_EQ(jpg.Load(Write({}).c_str()), 0);
    EXPECT_FALSE(jpg.LastError().empty());
    EXPECT_FALSE(jpg.Loaded());
    EXPECT_EQ(jpg.Load("/nonexistent/Sky.jpg"), 0);
    Bytes garbage(5000);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = std::uint8_t(i * 7919 >> 3);
    EXPECT_EQ(jpg.Load(Write(garbage).c_str()), 0);
    EXPECT_FALSE(jpg.LastError().empty());
    EXPECT_EQ(jpg.Pixels(), nullptr);
}

TEST_F(JpgTest, ALoadAfterAFailureStartsClean) {
    JPG_File jpg;
    EXPECT_EQ(jpg.Load(Write({}).c_str()), 0);
    ASSERT_EQ(jpg.Load(Write(ColourJpeg()).c_str()), 1);
    EXPECT_TRUE(jpg.LastError().empty());
    EXPECT_EQ(jpg.Load(Write({0xFF, 0xD8, 0xFF}).c_str()), 0);
    EXPECT_EQ(jpg.Width(), 0u);
}

TEST_F(JpgTest, TruncatedPicturesLoadWithFillOrFailButNeverCrash) {
    const Bytes whole = ColourJpeg(64, 64);
    JPG_File jpg;
    for (std::size_t cut = 0; cut < whole.size(); cut += 37) {
        const Bytes part(whole.begin(), whole.begin() + std::ptrdiff_t(cut));
        if (jpg.Load(Write(part).c_str())) {
            EXPECT_EQ(jpg.Width(), 64u);
            EXPECT_EQ(jpg.Height(), 64u);
        } else {
            EXPECT_FALSE(jpg.LastError().empty());
        }
    }
    // Past the header the data merely ends early: libjpeg fills the rest.
    const Bytes half(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() * 3 / 4));
    EXPECT_EQ(jpg.Load(Write(half).c_str()), 1);
}

TEST_F(JpgTest, CorruptedBytesNeverCrash) {
    const Bytes whole = ColourJpeg(32, 32);
    JPG_File jpg;
    for (std::size_t at = 2; at < whole.size(); at += 11) {
        Bytes damaged = whole;
        damaged[at] ^= 0x5A;
        damaged[(at * 13) % damaged.size()] = 0xFF;
        const int loaded = jpg.Load(Write(damaged).c_str());
        EXPECT_EQ(loaded == 1, jpg.Loaded());
        EXPECT_EQ(jpg.Loaded(), jpg.Pixels() != nullptr);
    }
}

TEST_F(JpgTest, HugeClaimedSizeIsRefusedWithoutReservingIt) {
    Bytes file = ColourJpeg();
    // Give the frame header (SOF0) a size of 60000 x 60000.
    for (std::size_t i = 0; i + 9 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == 0xC0) {
            file[i + 5] = file[i + 7] = 0xEA;
            file[i + 6] = file[i + 8] = 0x60;
            break;
        }
    }
    JPG_File jpg;
    EXPECT_EQ(jpg.Load(Write(file).c_str()), 0);
    EXPECT_EQ(jpg.LastError(), "The file could not be saved because of insufficient memory.");
}

} // namespace
