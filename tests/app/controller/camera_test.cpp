#include "scene_fixture.h"

#include "app/controller/square_projection.h"
#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr float kMaxTilt = 0.7479983f;
constexpr float kMinTilt = -0.5235988f;
} // namespace

TEST_F(SceneTest, VerticalDragTiltsTheCameraWithinItsLimits) {
    CScene& s = StartScene();
    s.RotateCamera(0, 50);
    EXPECT_NEAR(s.settings.yAngle, 0.5f, 1e-6);
    // Moving the mouse down raises the camera.
    EXPECT_GT(s.settings.eye.z, 8.0f);
    EXPECT_NEAR(Length(s.settings.eye), std::sqrt(128.0f), 1e-4);

    s.RotateCamera(0, 100);
    EXPECT_FLOAT_EQ(s.settings.yAngle, kMaxTilt);
    const point3d top = s.settings.eye;
    s.RotateCamera(0, 100); // no further
    EXPECT_FLOAT_EQ(s.settings.eye.z, top.z);
    EXPECT_NEAR(std::atan2(top.z, top.y), std::numbers::pi / 4 + kMaxTilt, 1e-4);

    s.RotateCamera(0, -10); // back at once
    EXPECT_NEAR(s.settings.yAngle, kMaxTilt - 0.1f, 1e-6);
    EXPECT_LT(s.settings.eye.z, top.z);

    s.RotateCamera(0, -500);
    EXPECT_FLOAT_EQ(s.settings.yAngle, kMinTilt);
    EXPECT_NEAR(std::atan2(s.settings.eye.z, s.settings.eye.y), std::numbers::pi / 4 + kMinTilt,
                1e-4);
    EXPECT_EQ(s.settings.eye.x, 0.0f);
}

TEST_F(SceneTest, HorizontalDragTurnsTheBoardAboutTheVerticalAxis) {
    CScene& s = StartScene();
    const int framesBefore = host.frames;
    s.RotateCamera(157, 0); // about half a turn and a bit: 1.57 radians
    EXPECT_EQ(s.settings.yAngle, 0.0f);
    EXPECT_EQ(s.settings.eye, (point3d{0, 8, 8}));
    // White's side (the half turn) turned on by 1.57 radians about z.
    point3d x;
    TransformColumns(x, point3d{1, 0, 0}, s.settings.matrix);
    EXPECT_NEAR(x.x, -std::cos(1.57), 1e-5);
    EXPECT_NEAR(x.y, -std::sin(1.57), 1e-5);
    EXPECT_NEAR(x.z, 0, 1e-6);
    EXPECT_GT(host.frames, framesBefore);
}

TEST_F(SceneTest, RotateBoardAndFacingCommands) {
    CScene& s = StartScene();
    s.RotateBoard();
    point3d p;
    TransformColumns(p, point3d{1, 2, 0}, s.settings.matrix);
    EXPECT_NEAR(p.x, 1, 1e-5); // two half turns: as drawn from Black's side
    EXPECT_NEAR(p.y, 2, 1e-5);
    s.FaceWhite();
    TransformColumns(p, point3d{1, 2, 0}, s.settings.matrix);
    EXPECT_NEAR(p.x, -1, 1e-5);
    EXPECT_NEAR(p.y, -2, 1e-5);
    s.FaceBlack();
    float identity[16];
    SetIdentity(identity);
    EXPECT_TRUE(std::equal(identity, identity + 16, s.settings.matrix));

    s.RotateCamera(30, 40);
    s.ResetCameraCommand();
    EXPECT_EQ(s.settings.yAngle, 0.0f);
    EXPECT_EQ(s.settings.eye, (point3d{0, 8, 8}));
    TransformColumns(p, point3d{1, 2, 0}, s.settings.matrix);
    EXPECT_NEAR(p.x, -1, 1e-5);
}

TEST_F(SceneTest, WindowToWorldAtTheResetCamera) {
    CScene& s = StartScene();
    s.SetViewSize(800, 600);
    EXPECT_FLOAT_EQ(s.aspect, 800.0f / 600.0f);

    const point3d centre = s.WindowToWorld(400, 300);
    EXPECT_NEAR(centre.x, 0, 1e-6);
    EXPECT_NEAR(centre.y, 0, 1e-6);
    EXPECT_NEAR(centre.z, 0, 1e-6);

    // Half the view height at the target's distance: tan(22.5 deg) * |eye|.
    const float d = std::tan(std::numbers::pi / 8) * std::sqrt(128.0f);
    const point3d top = s.WindowToWorld(400, 0);
    EXPECT_NEAR(top.x, 0, 1e-5);
    EXPECT_NEAR(top.y, -d / std::sqrt(2.0f), 1e-4); // away from the camera
    EXPECT_NEAR(top.z, d / std::sqrt(2.0f), 1e-4);

    // The camera looks along -y, so the screen's left is +x.
    const point3d left = s.WindowToWorld(0, 300);
    EXPECT_NEAR(left.x, d * s.aspect, 1e-4);
    EXPECT_NEAR(left.y, 0, 1e-5);
    EXPECT_NEAR(left.z, 0, 1e-5);

    // Every result lies on the plane through the target, across the view.
    const point3d corner = s.WindowToWorld(17, 555);
    point3d view;
    Sub(view, s.settings.eye, s.lookAt);
    EXPECT_NEAR(Dot(corner, view), 0, 1e-3);
}

TEST_F(SceneTest, ClicksOnTheMoveListArrowsScrollItInsteadOfTheBoard) {
    CScene& s = StartScene();
    for (int i = 0; i < 6; ++i) s.moveTable.entries.Append(new sMove{"E2 - E4", 4, 1, 4, 3});
    s.moveListArrows.arrowsShown = 1;
    s.moveListArrows.up[0] = {0, 0, 0};
    s.moveListArrows.up[1] = {1, 0, 0};
    s.moveListArrows.up[2] = {0, 1, 0};
    s.moveListArrows.down[0] = {5, 0, 0};
    s.moveListArrows.down[1] = {6, 0, 0};
    s.moveListArrows.down[2] = {5, 1, 0};

    const point3d down{5.25f, 0.25f, 0}, up{0.25f, 0.25f, 0};
    s.ClickBoard(down);
    s.ClickBoard(down);
    EXPECT_EQ(s.moveTable.firstShown, 4);
    s.ClickBoard(down); // the last entry stays visible
    EXPECT_EQ(s.moveTable.firstShown, 5);
    s.ClickBoard(up);
    s.ClickBoard(up);
    s.ClickBoard(up);
    EXPECT_EQ(s.moveTable.firstShown, 0);

    s.settings.moveList = 0; // hidden list: the click goes to the board
    s.ClickBoard(down);
    EXPECT_EQ(s.moveTable.firstShown, 0);
}

namespace {

// Every square of the board shows in the view and a click on its centre
// picks it.
void ExpectEverySquarePickable(const CScene& s, const char* where) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            sWindowPoint pixel;
            ASSERT_TRUE(SquareToWindow(s, x, y, pixel)) << where << " " << x << "," << y;
            ASSERT_TRUE(pixel.x >= 0 && pixel.x < s.viewWidth && pixel.y >= 0 &&
                        pixel.y < s.viewHeight)
                << where << " " << x << "," << y << " at " << pixel.x << "," << pixel.y;
            sSquare square;
            ASSERT_TRUE(s.board.PickSquare(s.WindowToWorld(pixel.x, pixel.y), s.Eye(), square))
                << where << " " << x << "," << y;
            EXPECT_EQ(square, (sSquare{x, y})) << where;
        }
}

} // namespace

TEST_F(SceneTest, ZoomStaysWithinLimitsThatKeepTheWholeBoardPickable) {
    CScene& s = StartScene();
    s.SetViewSize(800, 600); // the narrowest proportions the limits allow for
    const float standard = s.settings.cameraDistance;

    s.ZoomCamera(1);
    EXPECT_LT(s.settings.cameraDistance, standard);
    EXPECT_NEAR(Length(s.Eye()), s.settings.cameraDistance, 1e-4);
    s.ZoomCamera(-2);
    EXPECT_GT(s.settings.cameraDistance, standard);

    for (const float steps : {100.0f, -100.0f}) {
        s.ZoomCamera(steps);
        const float limit = s.settings.cameraDistance;
        s.ZoomCamera(steps > 0 ? 1 : -1); // no further
        EXPECT_EQ(s.settings.cameraDistance, limit);
        // From the lowest tilt to the highest, seen from either side.
        s.RotateCamera(0, -1000);
        for (int tilt = 0; tilt <= 4; ++tilt) {
            for (const bool white : {true, false}) {
                if (white)
                    s.FaceWhite();
                else
                    s.FaceBlack();
                ExpectEverySquarePickable(s, steps > 0 ? "nearest" : "farthest");
            }
            s.RotateCamera(0, 32);
        }
        s.RotateCamera(0, -1000);
    }
    EXPECT_LT(s.settings.cameraDistance, 2.5f * standard);

    s.ZoomCamera(-1);
    s.ResetCameraCommand();
    EXPECT_EQ(s.settings.cameraDistance, standard);
    EXPECT_EQ(s.Eye(), (point3d{0, 8, 8}));
}

TEST_F(SceneTest, ZoomKeepsTheCameraPositionOfAnEarlierBuild) {
    CScene& first = StartScene();
    EXPECT_EQ(first.Eye(), (point3d{0, 8, 8})); // to the bit
    // Tilting rounds the eye's distance a little; unzoomed, the camera is
    // still "Camera Position" to the bit, so the classic picture stays.
    for (const int tilt : {-30, 20, 7, -11}) {
        first.RotateCamera(0, tilt);
        EXPECT_EQ(first.Eye(), first.settings.eye) << tilt;
    }
    first.ZoomCamera(3);
    const float distance = first.settings.cameraDistance;
    const point3d eye = first.Eye();
    StopScene();

    // The classic key keeps the classic distance; the zoom has a key of its own.
    const std::string text = ReadFile("Tavlion.INI");
    float x = 0, y = 0, z = 0;
    ASSERT_EQ(std::sscanf(text.c_str() + text.find("Camera Position="), "Camera Position=%f %f %f",
                          &x, &y, &z),
              3);
    EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), std::sqrt(128.0f), 1e-4);
    EXPECT_NE(text.find("Camera Distance="), std::string::npos);

    CScene& second = StartScene();
    EXPECT_NEAR(second.settings.cameraDistance, distance, 1e-5);
    EXPECT_NEAR(second.Eye().y, eye.y, 1e-4);
    EXPECT_NEAR(second.Eye().z, eye.z, 1e-4);
}

TEST_F(SceneTest, ACameraDistanceOutOfReachIsBroughtWithinTheLimits) {
    for (const char* value : {"0.5", "-3", "1000", "nan", "inf"}) {
        WriteFile("Tavlion.INI", std::string("[Settings]\nCamera Distance=") + value + "\n");
        CScene& s = StartScene();
        const float distance = s.settings.cameraDistance;
        EXPECT_TRUE(distance >= 9.0f && distance <= 25.0f) << value << ": " << distance;
        EXPECT_NEAR(Length(s.Eye()), distance, 1e-4) << value;
        scene.reset();
    }
    // The untouched standard distance leaves the classic camera exactly.
    WriteFile("Tavlion.INI", "[Settings]\nCamera Distance=11.313708\n");
    EXPECT_EQ(StartScene().Eye(), (point3d{0, 8, 8}));
}
