#include "platform/message_box.h"
#include "render/offscreen_context.h"
#include "support/picture_stage.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 640, kHeight = 400;

// How far a frame may stray from its reference: channel steps a pixel may
// differ by without counting, and how many pixels may count.
struct sTolerance {
    int channel = 0;
    int pixels = 0;
};

struct sDifference {
    int pixels = 0;
    int largest = 0;
};

sDifference Compare(const QImage& a, const QImage& b, int channelTolerance) {
    sDifference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int step = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            d.largest = std::max(d.largest, step);
            d.pixels += step > channelTolerance;
        }
    return d;
}

class FramePictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureGuiApplication();
        if (!context.Valid()) GTEST_SKIP() << "no GLX pbuffer on this display";
        platform::SetMessageBoxHandler([](const std::string& text, const std::string&, int) {
            ADD_FAILURE() << "message box: " << text;
            return int(platform::kIdOk);
        });
        previousDir = fs::current_path();
        stage = std::make_unique<CPictureStage>(TAVLION_STAGE_DIR, kWidth, kHeight);
        ASSERT_TRUE(stage->Ok());
        stage->PlayOpening();
    }
    void TearDown() override {
        stage.reset();
        platform::SetMessageBoxHandler(nullptr);
        fs::current_path(previousDir);
    }

    // Draws the frame and holds it against reference `name`.
    void ExpectPicture(const std::string& name, sTolerance tolerance) {
        stage->DrawFrame();
        const QImage frame =
            CSceneRenderer::ReadFrame(kWidth, kHeight).convertToFormat(QImage::Format_RGB32);
        const fs::path reference =
            fs::path(TAVLION_SOURCE_DIR) / "tests/app/picture/reference" / (name + ".png");
        if (qEnvironmentVariableIsSet("TAVLION_UPDATE_PICTURES")) {
            ASSERT_TRUE(frame.save(QString::fromStdString(reference.string())));
            return;
        }
        const QImage expected = QImage(QString::fromStdString(reference.string()))
                                    .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(expected.size(), frame.size()) << reference;
        const sDifference d = Compare(frame, expected, tolerance.channel);
        if (d.pixels > tolerance.pixels) {
            const fs::path actual = fs::temp_directory_path() / ("tavlion-" + name + ".png");
            frame.save(QString::fromStdString(actual.string()));
            ADD_FAILURE() << name << ": " << d.pixels << " pixels differ (largest step "
                          << d.largest << "); the frame drawn is " << actual;
        }
    }

    COffscreenContext context{kWidth, kHeight};
    std::unique_ptr<CPictureStage> stage;
    fs::path previousDir;
};

// The look of the board as it always was: not one pixel may change.
constexpr sTolerance kExact{};

TEST_F(FramePictureTest, ClassicFromWhitesSide) {
    ExpectPicture("classic-white", kExact);
}

TEST_F(FramePictureTest, ClassicTurnedWithASelectionAndWoodenFigures) {
    CScene& scene = stage->scene;
    scene.settings.texturedFigures = 1;
    scene.RotateCamera(170, 45);
    ClickSquare(scene, 6, 0); // White's knight: its square and targets marked
    ExpectPicture("classic-turned", kExact);
}

TEST_F(FramePictureTest, ClassicWithoutMirrorSkyAndLists) {
    sSettings& settings = stage->scene.settings;
    settings.mirror = settings.skyFlague = settings.moveList = 0;
    settings.texturedBoard = 0;
    stage->scene.RotateCamera(-60, -30);
    ExpectPicture("classic-plain", kExact);
}

// Multisampling softens the outlines of the figures, squares and sides and
// leaves the insides of the squares as they were.
TEST_F(FramePictureTest, SmoothEdgesSoftenOnlyTheEdges) {
    stage->DrawFrame();
    const QImage plain = CSceneRenderer::ReadFrame(kWidth, kHeight);
    stage->scene.settings.smoothEdges = 1;
    stage->DrawFrame();
    const QImage smooth = CSceneRenderer::ReadFrame(kWidth, kHeight);
    const sDifference d = Compare(plain, smooth, 3);
    EXPECT_GT(d.pixels, 1000) << "nothing multisampled";
    EXPECT_LT(d.pixels, kWidth * kHeight / 8);
    stage->scene.settings.smoothEdges = 0;
    stage->DrawFrame();
    EXPECT_EQ(Compare(plain, CSceneRenderer::ReadFrame(kWidth, kHeight), 0).pixels, 0)
        << "switched off again, the picture is Classic's";
}

// A picture of its own, made once: a few pixels may differ where another
// build of the software renderer rounds a sample the other way.
constexpr sTolerance kClose{8, kWidth* kHeight / 500};

TEST_F(FramePictureTest, TournamentFromWhitesSide) {
    stage->scene.SetBoardTheme(1);
    EXPECT_EQ(stage->scene.settings.smoothEdges, 1) << "the look comes with smooth edges";
    ExpectPicture("tournament-white", kClose);
}

TEST_F(FramePictureTest, TournamentTurnedWithASelectionAndWoodenFigures) {
    CScene& scene = stage->scene;
    scene.SetBoardTheme(1);
    scene.settings.texturedFigures = 1;
    scene.RotateCamera(170, 45);
    ClickSquare(scene, 6, 0);
    ExpectPicture("tournament-turned", kClose);
}

} // namespace
