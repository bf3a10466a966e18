#pragma once

#include "board/move_list_arrows.h"
#include "render/geometry/point3d.h"
#include "render/pixel_scale.h"

#include <functional>
#include <string>
#include <vector>

class CMoveTable;

// The moves in standard notation ("e4", "Nf3"), one text per entry of the
// table, and the number and side of the first entry's move.
struct sMoveNotation {
    std::vector<std::string> texts;
    int firstNumber = 1;
    int firstSide = 0; // 1: the game begins with Black's move
};

// The move list drawn as text at the right edge of the view, one full move a
// line, with two arrows that scroll it when it is longer than the view.
class CMoveListRenderer {
public:
    // A window pixel (x right, y down) to the world point drawn there.
    using WindowToWorldFn = std::function<point3d(int x, int y)>;

    static constexpr unsigned kFontBase = 2000;

    explicit CMoveListRenderer(WindowToWorldFn windowToWorld)
        : windowToWorld_(std::move(windowToWorld)) {}

    // The entry at `moveCount` - 1 is the last move played and drawn red.
    // Uses the bitmap font whose display lists start at kFontBase, built for
    // `scale`; the view's size is in device pixels. With `notation` the lines
    // read "1. e4 e5" instead of "1. E2 - E4 : E7 - E5". `endLine` (the
    // result of a finished game) follows the last entry.
    void Draw(const CMoveTable& table, int moveCount, int viewWidth, int viewHeight,
              sPixelScale scale = {}, const sMoveNotation* notation = nullptr,
              const std::string& endLine = {});

    // The line of entry s when drawing starts at `firstShown`: "%d. %s" for
    // White's moves, "%s : %s" (with the line so far) for Black's.
    static std::string LineText(const CMoveTable& table, int firstShown, int s,
                                std::string& whiteLine);
    // The same in standard notation: "12. Nf3" for White's moves, the line
    // so far and the move for Black's, "12. ... Nc6" for a line that begins
    // with Black's.
    static std::string NotationLineText(const sMoveNotation& notation, int firstShown, int s,
                                        std::string& whiteLine);
    // Whether the list is long enough for the arrows; the height in points.
    static bool NeedsArrows(int entryCount, int viewHeight);

    // The arrows as last drawn, for hit-testing with HitArrows.
    sMoveListArrows arrows;

private:
    void DrawText(const std::string& text, int windowX, int windowY) const;
    void StoreArrows(int viewWidth, int viewHeight, sPixelScale px);

    WindowToWorldFn windowToWorld_;
};
