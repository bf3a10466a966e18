#include "flow_fixture.h"

namespace {

class Picking : public CFlowTest {
protected:
    // The square straight below a point above the board. Points exactly on a
    // square's diagonal or edge count as outside both of its triangles.
    bool PickBelow(float x, float y, sSquare& square) {
        return board.PickSquare({x, y, 4}, {x, y, 8}, square);
    }
};

TEST_F(Picking, EverySquareCentreFromTheCameraInBothOrientations) {
    for (bool white : {true, false}) {
        white ? services.FaceWhite() : services.FaceBlack();
        for (int32_t y = 0; y < 8; ++y)
            for (int32_t x = 0; x < 8; ++x) {
                point3d centre, ray, p0;
                TransformColumns(centre, {x - 3.5f, y - 3.5f, 0}, services.matrix);
                Sub(ray, centre, kEye);
                Scaled(p0, ray, 0.6f);
                Add(p0, p0, kEye);
                sSquare hit{-1, -1};
                ASSERT_TRUE(board.PickSquare(p0, kEye, hit)) << x << "," << y;
                EXPECT_EQ(hit, (sSquare{x, y})) << (white ? "facing white" : "facing black");
            }
    }
}

TEST_F(Picking, TurnedBoardPutsA1NearTheCamera) {
    sSquare hit{-1, -1};
    services.FaceWhite();
    ASSERT_TRUE(PickBelow(3.3f, 3.6f, hit));
    EXPECT_EQ(hit, Sq("A1"));
    services.FaceBlack();
    ASSERT_TRUE(PickBelow(3.3f, 3.6f, hit));
    EXPECT_EQ(hit, Sq("H8"));
}

TEST_F(Picking, EdgesGoToTheFirstSquareAndTheRimHasATolerance) {
    services.FaceBlack();
    sSquare hit{-1, -1};
    ASSERT_TRUE(PickBelow(1e-5f, -0.5f, hit)); // in E4, within the tolerance of D4
    EXPECT_EQ(hit, Sq("D4"));
    ASSERT_TRUE(PickBelow(4.00001f, -3.6f, hit));
    EXPECT_EQ(hit, Sq("H1"));
    EXPECT_FALSE(PickBelow(4.01f, -3.6f, hit));
    EXPECT_FALSE(PickBelow(-4.5f, 0, hit));
}

} // namespace
