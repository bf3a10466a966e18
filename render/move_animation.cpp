#include "render/board_renderer.h"

#include "board/board.h"
#include "board/board_services.h"
#include "render/geometry/matrix.h"

#include <numbers>

namespace {

constexpr int kAnimationFrames = 20;

} // namespace

void CBoardRenderer::AnimateMove(CBoard& board, CBoardServices& services, CFigure* figure,
                                 CFigure* captured, int toX, int toY) {
    if (!figure) return;
    CFigure* const savedSelection = board.selectedFigure;
    board.selectedFigure = figure;
    capturedInFlight_ = captured;
    board.animating = 1;

    movingPosition_ = SquareCentre(figure->x, figure->y);
    const point3d target = SquareCentre(toX, toY);
    const point3d step = {(target.x - movingPosition_.x) * 0.05f,
                          (target.y - movingPosition_.y) * 0.05f, 0};
    if (captured) {
        capturedPosition_ = SquareCentre(captured->x, captured->y);
        SetIdentity(spin_);
        SetRotation(spin_, std::numbers::pi / 4, 0, 0);
    }

    for (int i = 0; i < kAnimationFrames; ++i) {
        movingPosition_.x += step.x;
        movingPosition_.y += step.y;
        // Up for the first half, down again for the second: back at 0 at the end.
        movingPosition_.z += i > 9 ? -float(i - 10) / 20 : float(i) / 20;
        if (captured) {
            float turn[16];
            SetIdentity(turn);
            SetRotation(turn, 0, 0, i * std::numbers::pi / 40);
            // Column-major turn * spin, through the row-major product.
            MultiplyMatrices(spin_, spin_, turn);
            capturedPosition_.z += float(i) / 40;
        }
        services.DrawFrame();
    }

    board.animating = 0;
    board.selectedFigure = savedSelection;
    capturedInFlight_ = nullptr;
}
