#include "canvas.h"
#include "pictures.h"
#include "pieces2d.h"

namespace assetgen {

namespace {

// A white knight standing on a rounded tile of four board squares.
Image drawAppIcon(int size) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.alphaAt(x, y) = 0;
    Canvas canvas(image);
    const Shape tile = [](Vec2 p) { return boxDistance(p, {0.5f, 0.5f}, {0.46f, 0.46f}, 0.14f); };
    canvas.dropShadow(tile, {0.0f, 0.015f}, 0.03f, 0.5f);
    canvas.fill(tile, [](Vec2 p) {
        const bool dark = (p.x < 0.5f) != (p.y < 0.5f);
        const Vec3 c = dark ? rgb(112, 96, 104) : rgb(222, 182, 134);
        return c * (1.08f - 0.16f * p.y);
    });
    canvas.fill([&](Vec2 p) { return std::fabs(tile(p)) - 0.012f; }, rgb(60, 44, 34));

    // The knight, a little smaller than the tile, with its shadow on the squares.
    constexpr float kScale = 0.8f, kLeft = 0.1f, kTop = 0.08f;
    const Shape knight = [&](Vec2 p) {
        return pieceDistance(Piece::Knight,
                             {(p.x - kLeft) / kScale - 0.5f, (p.y - kTop) / kScale}) *
               kScale;
    };
    canvas.dropShadow(knight, {0.025f, 0.02f}, 0.03f, 0.45f);
    const int pieceSize = int(float(size) * kScale);
    const Image piece = drawPiece(Piece::Knight, Side::White, pieceSize, nullptr);
    const int ox = int(kLeft * float(size)), oy = int(kTop * float(size));
    for (int y = 0; y < pieceSize; ++y)
        for (int x = 0; x < pieceSize; ++x) {
            const float a = piece.alphaAt(x, y);
            if (a <= 0) continue;
            Vec3& under = image.at(x + ox, y + oy);
            under = mix(under, piece.at(x, y), a);
            image.alphaAt(x + ox, y + oy) = std::max(image.alphaAt(x + ox, y + oy), a);
        }
    return image;
}

} // namespace

bool writeAppIcons(const Output& out) {
    bool ok = writePng(drawAppIcon(256), out.file("resources/icon.png"));
    ok = writePng(drawAppIcon(64), out.file("resources/icon_64.png")) && ok;
    return ok;
}

} // namespace assetgen
