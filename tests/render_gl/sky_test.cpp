#include "platform/message_box.h"
#include "render/environments.h"
#include "render/sky.h"
#include "render_gl/gl_fixture.h"
#include "render_gl/sky_files.h"

#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct sFaceColour {
    const char* name;
    std::uint8_t r, g, b;
};
constexpr sFaceColour kFaceColours[] = {{"lf", 200, 40, 40},  {"rt", 40, 200, 40},
                                        {"up", 40, 40, 200},  {"dn", 200, 200, 40},
                                        {"bk", 40, 200, 200}, {"fr", 200, 40, 200}};

struct sAxis {
    float x, y, z;
};

// Whichever face lies on which axis, every edge of the shell joins the faces
// of two perpendicular axes.
constexpr sAxis kAxes[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};

// Pixel columns read on either side of an edge: it runs between the middle two.
constexpr int kColumns = 6;

// Mean difference of neighbouring columns, one value per pair from the left.
using ColumnSteps = std::array<double, kColumns - 1>;

class SkyTest : public CGlTest {
protected:
    static constexpr int kFirstColumn = kSize / 2 - kColumns / 2;

    void SetUp() override {
        CGlTest::SetUp();
        if (IsSkipped()) return;
        previous = platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string& caption, int) {
                boxes.push_back(text + "|" + caption);
                return int(platform::kIdOk);
            });
        environments = root.Path() / "Environment";
        fs::create_directories(environments);
    }
    void TearDown() override { platform::SetMessageBoxHandler(previous); }

    fs::path AddEnvironment(const std::string& name, bool withPictures = true,
                            bool oneColour = false) {
        const fs::path folder = environments / name;
        fs::create_directories(folder);
        if (!withPictures) return folder;
        for (const sFaceColour& face : kFaceColours) {
            const sFaceColour& colour = oneColour ? kFaceColours[0] : face;
            EXPECT_TRUE(WriteSolidJpeg(folder / ("Sky_" + std::string(face.name) + ".jpg"), 16,
                                       colour.r, colour.g, colour.b));
        }
        return folder;
    }

    // The sky seen from its centre towards `at`, `up` pointing up the picture.
    void DrawFromCentre(double fieldOfView, const sAxis& at, const sAxis& up) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(fieldOfView, 1, 0.1, 30);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 0, 0, at.x, at.y, at.z, up.x, up.y, up.z);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        sky.Draw();
        glFinish();
    }

    // The colour seen from the centre of the sky looking along (dx, dy, dz),
    // at `offset` pixels right of the middle.
    sPixel Looking(float dx, float dy, float dz, int offset = 0) {
        const bool vertical = dx == 0 && dy == 0;
        DrawFromCentre(45, {dx, dy, dz}, {0, vertical ? 1.0f : 0.0f, vertical ? 0.0f : 1.0f});
        return context.Pixel(kSize / 2 + offset, kSize / 2);
    }

    // Magnified so that a texel covers about two pixels, an edge along `up`
    // through `at` shows as the line between the middle two columns.
    ColumnSteps StepsAcross(const sAxis& at, const sAxis& up) {
        DrawFromCentre(20, at, up);
        std::vector<std::uint8_t> rgb(std::size_t(kColumns) * kSize * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(kFirstColumn, 0, kColumns, kSize, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        ColumnSteps steps{};
        for (int row = 0; row < kSize; ++row)
            for (int c = 0; c + 1 < kColumns; ++c)
                for (int k = 0; k < 3; ++k) {
                    const std::size_t left = (std::size_t(row) * kColumns + c) * 3 + k;
                    steps[c] += std::abs(int(rgb[left]) - int(rgb[left + 3]));
                }
        for (double& step : steps) step /= 3.0 * kSize;
        return steps;
    }

    CTempFolder root;
    fs::path environments;
    std::vector<std::string> boxes;
    platform::MessageBoxHandler previous;
    CSky sky;
    int skyNumber = 0;
};

TEST_F(SkyTest, TheUpFaceIsAboveTheBoardAfterTheQuarterTurn) {
    AddEnvironment("Plain");
    sky.Init(root.String(), skyNumber);
    sky.SetScale(10);
    ASSERT_TRUE(boxes.empty()) << boxes.front();
    EXPECT_TRUE(Near(Looking(0, 0, 1), 40, 40, 200, 4)) << "up";
    EXPECT_TRUE(Near(Looking(0, 0, -1), 200, 200, 40, 4)) << "dn";
    EXPECT_TRUE(Near(Looking(-1, 0, 0), 200, 40, 40, 4)) << "lf";
    EXPECT_TRUE(Near(Looking(1, 0, 0), 40, 200, 40, 4)) << "rt";
    EXPECT_TRUE(Near(Looking(0, -1, 0), 40, 200, 200, 4)) << "bk";
    EXPECT_TRUE(Near(Looking(0, 1, 0), 200, 40, 200, 4)) << "fr";
}

TEST_F(SkyTest, FacesOfOneColourMeetWithoutASeam) {
    AddEnvironment("Even", true, true);
    sky.Init(root.String(), skyNumber);
    sky.SetScale(10);
    ASSERT_TRUE(boxes.empty()) << boxes.front();
    const sFaceColour& colour = kFaceColours[0];
    // Straight at the vertical edge between "rt" and its neighbour, and at
    // the edge between "up" and "fr" seen from below it.
    for (int offset = -2; offset <= 2; ++offset) {
        EXPECT_TRUE(Near(Looking(1, 1, 0, offset), colour.r, colour.g, colour.b, 6))
            << "side edge, offset " << offset;
        EXPECT_TRUE(Near(Looking(0, 1, 1, offset), colour.r, colour.g, colour.b, 6))
            << "top edge, offset " << offset;
    }
}

// Every shipped sky, seen from its centre along each of the twelve edges
// where two faces meet (at the middle and towards both corners). Clamped to
// their edge texels, the faces meet with a step of about one texel; a border
// blended in draws a line along the edge, and faces that do not match draw a
// step of their own.
TEST_F(SkyTest, ShippedSkiesJoinWithoutASeamAtEveryEdge) {
    const std::string data = std::string(TAVLION_SOURCE_DIR) + "/assets/data";
    const auto names = ListEnvironments(EnvironmentsFolder(data));
    ASSERT_TRUE(names && !names->empty());
    sky.SetScale(10);
    sky.Init(data, skyNumber);
    for (int number = 0; number < int(names->size()); ++number) {
        ASSERT_EQ(sky.SelectEnvironment(number), 1);
        ASSERT_TRUE(boxes.empty()) << boxes.front();
        for (int a = 0; a < 6; ++a)
            for (int b = a + 1; b < 6; ++b) {
                const sAxis& p = kAxes[a];
                const sAxis& q = kAxes[b];
                if (p.x * q.x + p.y * q.y + p.z * q.z != 0) continue;
                const sAxis along{p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z,
                                  p.x * q.y - p.y * q.x};
                for (float t : {-0.6f, 0.0f, 0.6f}) {
                    SCOPED_TRACE((*names)[std::size_t(number)] + ", edge of axes " +
                                 std::to_string(a) + " and " + std::to_string(b) + ", along " +
                                 std::to_string(t));
                    const sAxis at{p.x + q.x + t * along.x, p.y + q.y + t * along.y,
                                   p.z + q.z + t * along.z};
                    const ColumnSteps s = StepsAcross(at, along);
                    const double inside = std::max(s[0], s[4]);
                    EXPECT_LE(std::max(s[1], s[3]), 2 * inside + 1) << "a line along the edge";
                    EXPECT_LE(s[2], 3 * inside + 2) << "a step across the edge";
                }
            }
    }
}

TEST_F(SkyTest, NothingIsSelectedOrLoadedBeforeInit) {
    AddEnvironment("Plain");
    EXPECT_EQ(sky.SelectEnvironment(0), 0);
    sky.LoadTextures();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(sky.EnvironmentFolder().empty());
    EXPECT_FALSE(sky.TexturesLoaded());
    for (int p = 0; p < 6; ++p) EXPECT_EQ(sky.Part(p).texture, 0u);

    sky.Init(root.String(), skyNumber);
    EXPECT_TRUE(sky.TexturesLoaded());
    EXPECT_NE(sky.Part(0).texture, 0u);
}

TEST_F(SkyTest, NumbersFollowTheSortedNamesAndAreClampedToTheLast) {
    AddEnvironment("Beta");
    AddEnvironment("Alpha");
    sky.Init(root.String(), skyNumber);
    EXPECT_EQ(fs::path(sky.EnvironmentFolder()).filename(), "Alpha");
    EXPECT_EQ(sky.SelectEnvironment(1), 1);
    EXPECT_EQ(fs::path(sky.EnvironmentFolder()).filename(), "Beta");
    EXPECT_EQ(skyNumber, 0) << "an existing number is left alone";

    skyNumber = 5;
    EXPECT_EQ(sky.SelectEnvironment(skyNumber), 1);
    EXPECT_EQ(fs::path(sky.EnvironmentFolder()).filename(), "Beta");
    EXPECT_EQ(skyNumber, 1);

    skyNumber = -3;
    EXPECT_EQ(sky.SelectEnvironment(skyNumber), 1);
    EXPECT_EQ(fs::path(sky.EnvironmentFolder()).filename(), "Alpha");
    EXPECT_EQ(skyNumber, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SkyTest, AFileCountsAsAnEnvironmentAndItsFacesFailOneByOne) {
    AddEnvironment("A");
    std::ofstream(environments / "B.txt") << "not a sky";
    const auto names = ListEnvironments(environments.string());
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::string>{"A", "B.txt"}));

    sky.Init(root.String(), skyNumber);
    skyNumber = 1;
    EXPECT_EQ(sky.SelectEnvironment(skyNumber), 1);
    ASSERT_EQ(boxes.size(), 6u);
    const std::string expected =
        "Can't load image|" + (environments / "B.txt" / "Sky_lf.jpg").string();
    EXPECT_EQ(boxes.front(), expected);
    for (int p = 0; p < 6; ++p) EXPECT_EQ(sky.Part(p).texture, 0u);
    EXPECT_TRUE(Near(Looking(0, 0, 1), 0, 0, 0)) << "an untextured face is drawn black";
}

TEST_F(SkyTest, AMissingOrEmptyFolderSelectsNothing) {
    sky.Init(root.String(), skyNumber);
    EXPECT_EQ(boxes, std::vector<std::string>{"No Subdirectories!|Tavlion"});
    EXPECT_EQ(skyNumber, 0);

    CSky elsewhere;
    int number = 2;
    elsewhere.Init((root.Path() / "missing").string(), number);
    EXPECT_EQ(elsewhere.SelectEnvironment(0), 0);
    EXPECT_EQ(boxes.size(), 3u);
    EXPECT_EQ(number, 2);
    EXPECT_FALSE(ListEnvironments((root.Path() / "missing").string()));
}

TEST_F(SkyTest, ChangingTheEnvironmentReplacesTheTextures) {
    AddEnvironment("One");
    AddEnvironment("Two");
    sky.Init(root.String(), skyNumber);
    const unsigned first = sky.Part(2).texture;
    ASSERT_NE(first, 0u);
    sky.SelectEnvironment(1);
    EXPECT_NE(sky.Part(2).texture, 0u);
    EXPECT_EQ(glIsTexture(first), GL_FALSE) << "the old picture is deleted";
}

} // namespace
