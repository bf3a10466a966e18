#include "platform/message_box.h"
#include "render/environments.h"
#include "render/sky.h"
#include "render_gl/gl_fixture.h"

#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

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

class SkySeamTest : public CGlTest {
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
    }
    void TearDown() override { platform::SetMessageBoxHandler(previous); }

    // The sky seen from its centre towards `at` with `up` pointing up the
    // picture, magnified so a texel covers about two pixels. An edge along
    // `up` through `at` shows as the line between the middle two columns.
    ColumnSteps StepsAcross(const CSky& sky, const sAxis& at, const sAxis& up) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(20, 1, 0.1, 30);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 0, 0, at.x, at.y, at.z, up.x, up.y, up.z);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        sky.Draw();
        glFinish();

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

    std::vector<std::string> boxes;
    platform::MessageBoxHandler previous;
};

// Every shipped sky, seen from its centre along each of the twelve edges
// where two faces meet (at the middle and towards both corners). Clamped to
// their edge texels, the faces meet with a step of about one texel; a border
// blended in draws a line along the edge, and faces that do not match draw a
// step of their own.
TEST_F(SkySeamTest, ShippedSkiesJoinWithoutASeamAtEveryEdge) {
    const std::string data = std::string(TAVLION_SOURCE_DIR) + "/assets/data";
    const auto names = ListEnvironments(EnvironmentsFolder(data));
    ASSERT_TRUE(names && !names->empty());
    for (int number = 0; number < int(names->size()); ++number) {
        CSky sky;
        int skyNumber = number;
        sky.SetScale(10);
        sky.Init(data, skyNumber);
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
                    const ColumnSteps s = StepsAcross(sky, at, along);
                    const double inside = std::max(s[0], s[4]);
                    EXPECT_LE(std::max(s[1], s[3]), 2 * inside + 1) << "a line along the edge";
                    EXPECT_LE(s[2], 3 * inside + 2) << "a step across the edge";
                }
            }
    }
}

} // namespace
