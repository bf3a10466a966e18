#include "board/board.h"
#include "render/board_renderer.h"
#include "render_gl/drawing_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct sFrame {
    point3d moving, captured;
    int animating;
    const CFigure* selected;
    const CFigure* inFlight;
};

// The animation itself makes no GL calls; the frames it asks for are recorded.
class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        services.onFrame = [this] {
            frames.push_back({renderer.MovingPosition(), renderer.CapturedPosition(),
                              board.animating, board.selectedFigure, renderer.CapturedInFlight()});
        };
    }

    CDrawingServices services;
    CMoveTable moves;
    CBoard board{services, moves};
    CBoardRenderer renderer;
    std::vector<sFrame> frames;
};

TEST_F(AnimationTest, TheFigureHopsInTwentyFramesAndTheCapturedOneFliesUp) {
    CFigure* knight = board.AddFigure(kKnight, 0, 1, 0);
    CFigure* pawn = board.AddFigure(kPawn, 1, 2, 2);
    CFigure* earlier = board.AddFigure(kPawn, 0, 0, 1);
    board.selectedFigure = earlier;
    renderer.AnimateMove(board, services, knight, pawn, 2, 2);

    ASSERT_EQ(frames.size(), 20u);
    for (const sFrame& f : frames) {
        EXPECT_EQ(f.animating, 1);
        EXPECT_EQ(f.selected, knight);
        EXPECT_EQ(f.inFlight, pawn);
        EXPECT_FLOAT_EQ(f.captured.x, -1.5f) << "the captured figure rises on its square";
    }
    EXPECT_NEAR(frames[9].moving.z, 2.25f, 1e-5);
    EXPECT_NEAR(frames[19].moving.z, 0, 1e-5);
    EXPECT_NEAR(frames[19].moving.x, -1.5f, 1e-5);
    EXPECT_NEAR(frames[19].moving.y, -1.5f, 1e-5);
    EXPECT_NEAR(frames[0].moving.x, -2.5f + 0.05f, 1e-5);
    EXPECT_NEAR(frames[19].captured.z, 4.75f, 1e-5);
    EXPECT_EQ(board.animating, 0);
    EXPECT_EQ(board.selectedFigure, earlier);
    EXPECT_EQ(renderer.CapturedInFlight(), nullptr);
    EXPECT_EQ(knight->x, 1) << "the caller places the figure";
}

TEST_F(AnimationTest, WithoutAVictimOnlyTheMoverTravelsAndWithoutAFigureNothingHappens) {
    CFigure* rook = board.AddFigure(kRook, 0, 7, 0);
    renderer.AnimateMove(board, services, rook, nullptr, 5, 0);
    ASSERT_EQ(frames.size(), 20u);
    for (const sFrame& f : frames) {
        EXPECT_EQ(f.inFlight, nullptr);
        EXPECT_EQ(f.captured, point3d{});
    }
    EXPECT_NEAR(frames.back().moving.x, 1.5f, 1e-5);

    frames.clear();
    renderer.AnimateMove(board, services, nullptr, rook, 1, 1);
    EXPECT_TRUE(frames.empty());
    EXPECT_EQ(board.animating, 0);
}

} // namespace
