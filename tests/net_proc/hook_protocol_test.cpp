#include "app/controller/scene.h"
#include "app/controller/square_projection.h"
#include "app/shell/hook_protocol.h"

#include <gtest/gtest.h>

TEST(HookProtocol, RequestsSplitIntoWordsAndKeepTheirText) {
    const sHookRequest say = ParseHookRequest("say  Hello,   world \r");
    EXPECT_EQ(say.name, "say");
    EXPECT_EQ(say.rest, "Hello,   world");
    EXPECT_EQ(say.args, (std::vector<std::string>{"Hello,", "world"}));

    const sHookRequest connect = ParseHookRequest("\tconnect client 127.0.0.1 5555 Bob Smith");
    EXPECT_EQ(connect.name, "connect");
    EXPECT_EQ(connect.args.size(), 5u);

    const sHookRequest empty = ParseHookRequest("   ");
    EXPECT_EQ(empty.name, "");
    EXPECT_TRUE(empty.args.empty());
}

TEST(HookProtocol, SquareNamesCoverTheBoardOnly) {
    EXPECT_EQ(ParseSquareName("a1"), (sSquare{0, 0}));
    EXPECT_EQ(ParseSquareName("E2"), (sSquare{4, 1}));
    EXPECT_EQ(ParseSquareName("h8"), (sSquare{7, 7}));
    for (const char* bad : {"", "e", "e9", "i1", "e0", "e22", "`1"})
        EXPECT_FALSE(ParseSquareName(bad)) << bad;
}

TEST(HookProtocol, BlocksCountTheirLinesAndKeepEachOnOne) {
    EXPECT_EQ(CountedBlock({}), "ok 0");
    EXPECT_EQ(CountedBlock({"E2 - E4", "The IP address is in clipboard.\nPlease give"}),
              "ok 2\nE2 - E4\nThe IP address is in clipboard.\\nPlease give");
    EXPECT_EQ(OneLine("a\\b\r\n"), "a\\\\b\\n");
}

namespace {

struct QuietHost : CSceneHost {};

} // namespace

class HookProjection : public ::testing::Test {
protected:
    void SetUp() override {
        scene.ResetCamera();
        scene.SetViewSize(1024, 700);
        scene.board.SetupFigures();
    }

    // Every square's projected pixel is picked as that square again; from
    // the start positions of the camera every square is in view.
    void ExpectEverySquareRoundTrips(bool allInView = false) {
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                sWindowPoint pixel{};
                SCOPED_TRACE(::testing::Message()
                             << "square " << x << "," << y << " eye " << scene.settings.eye.y << ","
                             << scene.settings.eye.z);
                ASSERT_TRUE(SquareToWindow(scene, x, y, pixel));
                if (allInView) {
                    EXPECT_GE(pixel.x, 0);
                    EXPECT_LT(pixel.x, scene.viewWidth);
                    EXPECT_GE(pixel.y, 0);
                    EXPECT_LT(pixel.y, scene.viewHeight);
                }
                sSquare picked{-1, -1};
                ASSERT_TRUE(scene.board.PickSquare(scene.WindowToWorld(pixel.x, pixel.y),
                                                   scene.settings.eye, picked))
                    << x << "," << y;
                EXPECT_EQ(picked, (sSquare{x, y}));
            }
    }

    QuietHost host;
    CScene scene{host};
};

TEST_F(HookProjection, SquaresAreFoundWhereverTheCameraLooksFrom) {
    ExpectEverySquareRoundTrips(true);
    scene.FaceBlack();
    ExpectEverySquareRoundTrips(true);
    scene.RotateCamera(73, 40); // turned and seen from higher up
    ExpectEverySquareRoundTrips();
    scene.RotateCamera(-20, -60); // a lower view
    ExpectEverySquareRoundTrips();
    scene.SetViewSize(640, 480);
    ExpectEverySquareRoundTrips();
}
