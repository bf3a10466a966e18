#include "pieces2d.h"

namespace assetgen {

namespace {

struct Look {
    Vec3 body, shadow, highlight, rim;
};

constexpr float kMargin = 0.02f; // picture units kept free around the piece

const Look& lookOf(Side side) {
    static const Look kWhite{rgb(242, 232, 212), rgb(168, 146, 118), rgb(255, 255, 250),
                             rgb(62, 48, 36)};
    static const Look kBlack{rgb(64, 60, 66), rgb(22, 20, 24), rgb(170, 166, 180), rgb(8, 8, 10)};
    return side == Side::White ? kWhite : kBlack;
}

// Picture point to piece point: the piece fills the picture's height.
Vec2 toPiece(Vec2 p) {
    const float scale = 1.0f - 2 * kMargin;
    return {(p.x - 0.5f) / scale, (p.y - kMargin) / scale};
}

// Light from the upper left onto a cushion whose height rises over `bevel` from the rim.
Vec3 shadeAt(Piece piece, const Look& look, Vec2 q, float rimWidth) {
    const float d = pieceDistance(piece, q);
    if (d > -rimWidth) return look.rim;
    constexpr float bevel = 0.09f, e = 0.004f;
    auto height = [&](Vec2 s) {
        const float inside = std::min(-pieceDistance(piece, s), bevel) / bevel;
        return std::sqrt(std::max(0.0f, 1 - (1 - inside) * (1 - inside))) * bevel;
    };
    const float hx = height({q.x + e, q.y}) - height({q.x - e, q.y});
    const float hy = height({q.x, q.y + e}) - height({q.x, q.y - e});
    const Vec3 normal = normalize(Vec3{-hx / (2 * e), -hy / (2 * e), 1});
    const Vec3 light = normalize(Vec3{-0.55f, -0.65f, 0.75f});
    const float diffuse = std::max(0.0f, dot(normal, light));
    const float shine =
        std::pow(std::max(0.0f, dot(reflect(light * -1, normal), Vec3{0, 0, 1})), 18);
    // Lower parts of the body lie a little in shade, like a turned piece lit from above.
    const float fromTop = clamp01((q.y - 0.1f) / 0.9f);
    Vec3 c = mix(look.shadow, look.body, clamp01(0.25f + 0.85f * diffuse - 0.15f * fromTop));
    c = mix(c, look.highlight, shine * 0.6f);
    const float groove = pieceGrooveDistance(piece, q);
    return mix(c, look.rim, (1 - smoothstep(0.006f, 0.016f, groove)) * 0.75f);
}

} // namespace

Image drawPiece(Piece piece, Side side, int size, const Vec3* keyColour) {
    const Look& look = lookOf(side);
    constexpr int kSub = 4;
    const float rimWidth = 1.2f / float(size);
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Vec3 sum;
            int inside = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const Vec2 p{(float(x) + (float(sx) + 0.5f) / kSub) / float(size),
                                 (float(y) + (float(sy) + 0.5f) / kSub) / float(size)};
                    const Vec2 q = toPiece(p);
                    if (pieceDistance(piece, q) >= 0) continue;
                    sum += shadeAt(piece, look, q, rimWidth);
                    ++inside;
                }
            const float cover = float(inside) / float(kSub * kSub);
            if (keyColour) {
                // Masks made from a colour know no half tones: a pixel is in or out.
                const bool in = cover >= 0.5f;
                image.at(x, y) = in ? sum / float(inside) : *keyColour;
            } else {
                image.at(x, y) = inside ? sum / float(inside) : Vec3{};
                image.alphaAt(x, y) = cover;
            }
        }
    return image;
}

} // namespace assetgen
