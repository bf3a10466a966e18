#include "asset_readers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>

using namespace asset_check;

namespace {

const std::string kData = std::string(TAVLION_SOURCE_DIR) + "/assets/data/";
const std::string kResources = std::string(TAVLION_SOURCE_DIR) + "/resources/";

bool isPowerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

TEST(Textures, AreSquarePowerOfTwo24BitBitmaps) {
    for (const char* name : {"wood.bmp", "board.bmp"}) {
        const auto info = readBmp(readFile(kData + "Textures/" + name));
        ASSERT_TRUE(info) << name;
        EXPECT_TRUE(isPowerOfTwo(info->width) && info->width == info->height) << name;
        EXPECT_GE(info->width, 256) << name;
    }
}

TEST(PromotionPictures, Are40x40OnPureBlueWithAPieceInTheMiddle) {
    for (const char* side : {"white_", "black_"})
        for (const char* piece : {"knight", "bishop", "rook", "queen"}) {
            const std::string name = std::string(side) + piece + ".bmp";
            std::vector<unsigned char> rgb;
            const auto info = readBmp(readFile(kResources + "pieces/" + name), &rgb);
            ASSERT_TRUE(info) << name;
            ASSERT_EQ(info->width, 40) << name;
            ASSERT_EQ(info->height, 40) << name;
            auto isKey = [&](int x, int y) {
                const unsigned char* p = &rgb[size_t(x + y * 40) * 3];
                return p[0] == 0 && p[1] == 0 && p[2] == 255;
            };
            EXPECT_TRUE(isKey(0, 0) && isKey(39, 0)) << name;
            EXPECT_FALSE(isKey(20, 26)) << name;
            int opaque = 0, nearlyBlue = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    if (isKey(x, y)) continue;
                    ++opaque;
                    const unsigned char* p = &rgb[size_t(x + y * 40) * 3];
                    nearlyBlue += p[2] > 200 && p[0] < 60 && p[1] < 60;
                }
            EXPECT_GT(opaque, 300) << name;
            EXPECT_EQ(nearlyBlue, 0) << name << ": a blue fringe would show around the piece";
        }
}

TEST(Resources, SplashToolbarAndIconHaveTheirSizes) {
    const auto splash = readBmp(readFile(kResources + "splash.bmp"));
    ASSERT_TRUE(splash);
    EXPECT_EQ(splash->width, 520);
    EXPECT_EQ(splash->height, 312);

    static const char* kButtons[] = {"new_game",
                                     "open_game",
                                     "save_game",
                                     "go_to_start",
                                     "undo",
                                     "play",
                                     "redo",
                                     "go_to_end",
                                     "stop_thinking",
                                     "connect",
                                     "close_connection",
                                     "chat",
                                     "start_game",
                                     "rotate_board",
                                     "about"};
    for (const char* button : kButtons)
        for (auto [suffix, size] : {std::pair{".png", 24}, std::pair{"@2x.png", 48}}) {
            const auto info = readPngHeader(readFile(kResources + "toolbar/" + button + suffix));
            ASSERT_TRUE(info) << button << suffix;
            EXPECT_EQ(info->width, size);
            EXPECT_EQ(info->height, size);
            EXPECT_EQ(info->bitsPerPixel, 32);
        }
    for (auto [name, size] : {std::pair{"icon.png", 256}, std::pair{"icon_64.png", 64}}) {
        const auto info = readPngHeader(readFile(kResources + name));
        ASSERT_TRUE(info) << name;
        EXPECT_EQ(info->width, size);
    }
}

// The six faces in their table frame: centre, and the axes along which u and v grow.
struct Face {
    const char* name;
    std::array<float, 3> centre, u, v;
};
constexpr Face kFaces[6] = {
    {"lf", {-1, 0, 0}, {0, 0, 1}, {0, 1, 0}}, {"rt", {1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
    {"up", {0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {"dn", {0, -1, 0}, {-1, 0, 0}, {0, 0, -1}},
    {"bk", {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {"fr", {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
};

float dot(const std::array<float, 3>& a, const std::array<float, 3>& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

std::vector<std::string> environments() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kData + "Environment"))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Environments, EachHasAPreviewAndSixSquareFaces) {
    const auto names = environments();
    EXPECT_GE(names.size(), 3u);
    for (const std::string& name : names) {
        const std::string folder = kData + "Environment/" + name + "/";
        const auto preview = readJpegFrame(readFile(folder + "Sky.jpg"));
        ASSERT_TRUE(preview) << name;
        EXPECT_EQ(preview->width, 128) << name;
        EXPECT_EQ(preview->height, 128) << name;
        EXPECT_EQ(preview->bitsPerPixel, 24) << name;
        for (const Face& face : kFaces) {
            const auto info = readJpegFrame(readFile(folder + "Sky_" + face.name + ".jpg"));
            ASSERT_TRUE(info) << name << " " << face.name;
            EXPECT_TRUE(isPowerOfTwo(info->width) && info->width == info->height);
            EXPECT_EQ(info->bitsPerPixel, 24);
        }
    }
}

// Walks every edge texel of every face a little past the edge, finds where that direction
// lands on the neighbouring face, and compares the colours there: seams would show as
// large differences.
TEST(Environments, FacesJoinWithoutSeams) {
    for (const std::string& name : environments()) {
        std::map<std::string, std::vector<unsigned char>> pixels;
        int size = 0, height = 0;
        for (const Face& face : kFaces) {
            pixels[face.name] = decodeJpeg(
                kData + "Environment/" + name + "/Sky_" + face.name + ".jpg", size, height);
            ASSERT_FALSE(pixels[face.name].empty()) << name << " " << face.name;
        }
        auto texel = [&](const Face& face, float u, float v) {
            const int x = std::clamp(int(u * float(size)), 0, size - 1);
            const int y = std::clamp(int((1 - v) * float(size)), 0, size - 1);
            return &pixels[face.name][size_t(x + y * size) * 3];
        };
        for (const Face& face : kFaces)
            for (int edge = 0; edge < 4; ++edge) {
                double difference = 0;
                for (int i = 0; i < size; ++i) {
                    const float along = (float(i) + 0.5f) / float(size);
                    const float inside = 0.5f / float(size), outside = -0.5f / float(size);
                    const float u = edge == 0 ? inside : edge == 1 ? 1 - inside : along;
                    const float v = edge == 2 ? inside : edge == 3 ? 1 - inside : along;
                    const float ou = edge == 0 ? outside : edge == 1 ? 1 - outside : along;
                    const float ov = edge == 2 ? outside : edge == 3 ? 1 - outside : along;
                    std::array<float, 3> d;
                    for (int k = 0; k < 3; ++k)
                        d[k] = face.centre[k] + face.u[k] * (2 * ou - 1) + face.v[k] * (2 * ov - 1);
                    const Face* other = &kFaces[0];
                    for (const Face& f : kFaces)
                        if (dot(d, f.centre) > dot(d, other->centre)) other = &f;
                    ASSERT_NE(other, &face);
                    const float scale = dot(d, other->centre);
                    const float tu = (dot(d, other->u) / scale + 1) / 2;
                    const float tv = (dot(d, other->v) / scale + 1) / 2;
                    const unsigned char* a = texel(face, u, v);
                    const unsigned char* b = texel(*other, tu, tv);
                    for (int c = 0; c < 3; ++c) difference += std::abs(int(a[c]) - int(b[c]));
                }
                EXPECT_LT(difference / (3 * size), 6.0)
                    << name << " " << face.name << " edge " << edge;
            }
    }
}

TEST(Sounds, EffectsAreShortPcmMono16Bit) {
    for (const char* name : {"step.wav", "shah.wav", "mat.wav"}) {
        const auto wave = readWave(readFile(kData + "Sounds/" + name));
        ASSERT_TRUE(wave) << name;
        EXPECT_EQ(wave->format, 1) << name;
        EXPECT_EQ(wave->channels, 1) << name;
        EXPECT_EQ(wave->bits, 16) << name;
        EXPECT_TRUE(wave->rate == 22050 || wave->rate == 44100) << name;
        const double seconds = double(wave->samples.size()) / wave->rate;
        // The game waits for a sound to finish, so each must be brief.
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 2.5) << name;
        int peak = 0;
        for (int16_t s : wave->samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000) << name;
        EXPECT_LT(peak, 32767) << name << " clips";
        EXPECT_LT(std::abs(wave->samples.back()), 200) << name << " ends with a click";
    }
}

TEST(Music, IsOneTrackLongerThanAMinuteThatTheLoaderReads) {
    const auto midi = readMidi(readFile(kData + "Sounds/SONAT_A1.MID"));
    ASSERT_TRUE(midi);
    EXPECT_EQ(midi->format, 0);
    EXPECT_EQ(midi->tracks, 1);
    EXPECT_GT(midi->division, 0);
    EXPECT_LT(midi->division, 0x8000);
    EXPECT_LE(midi->trackBytes, 65536u);
    EXPECT_TRUE(midi->endOfTrackLast);
    ASSERT_FALSE(midi->tempos.empty());

    bool piano = false;
    int sounding = 0, notes = 0;
    std::map<int, int> open;
    double milliseconds = 0, tempo = 500000;
    uint32_t lastTick = 0;
    size_t tempoIndex = 0;
    for (const MidiEvent& e : midi->events) {
        milliseconds += double(e.tick - lastTick) * tempo / (midi->division * 1000.0);
        lastTick = e.tick;
        if (e.status == 0xFF && e.data1 == 0x51) tempo = midi->tempos[tempoIndex++];
        if ((e.status & 0xF0) == 0xC0) piano = piano || e.data1 == 0;
        if (e.status == 0xFF) {
            EXPECT_LT(e.data2, 128) << "meta lengths are read as one byte";
        }
        const int kind = e.status & 0xF0;
        if (kind == 0x90 && e.data2 > 0) ++open[e.data1], ++notes;
        if (kind == 0x80 || (kind == 0x90 && e.data2 == 0)) {
            EXPECT_GT(open[e.data1], 0) << "note off without note on";
            --open[e.data1];
        }
    }
    for (auto [key, count] : open) sounding += count;
    EXPECT_TRUE(piano);
    EXPECT_EQ(sounding, 0) << "every note ends";
    EXPECT_GT(notes, 200);
    EXPECT_GT(milliseconds, 60000.0);
}

TEST(Help, IsAnHtmlPageWithTheCommandsAndRules) {
    const std::vector<unsigned char> bytes = readFile(kData + "NetTavlionR.html");
    const std::string page(bytes.begin(), bytes.end());
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    for (const char* text : {"Start Game", "Stop Thinking!", "Ctrl</kbd>+<kbd>P", "F1", "Castling",
                             "En passant", "5555", "Tavlion.INI", "Sky Flague", "Set Sky..."})
        EXPECT_NE(page.find(text), std::string::npos) << text;
}

} // namespace
