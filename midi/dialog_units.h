#pragma once

#include <QRect>

namespace midi {

// Dialog layouts are given in dialog units of "MS Sans Serif" at 8 points,
// whose characters average 6 by 13 pixels.
inline QRect FromDialogUnits(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 6 / 4; };
    auto py = [](int units) { return units * 13 / 8; };
    return QRect(px(x), py(y), px(width), py(height));
}

} // namespace midi
