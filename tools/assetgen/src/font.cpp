#include "font.h"

namespace assetgen {

namespace {

// Glyphs in a box one capital high: y = 0 at the cap line, 1 on the baseline, x-height 0.42.
struct Glyph {
    char letter;
    float advance;
    float (*distance)(Vec2);
};

float letterT(Vec2 p) {
    return unite(segmentDistance(p, {0.0f, 0.0f}, {0.62f, 0.0f}),
                 segmentDistance(p, {0.31f, 0.0f}, {0.31f, 1.0f}));
}
float letterA(Vec2 p) {
    return unite(std::fabs(ellipseDistance(p, {0.27f, 0.71f}, {0.25f, 0.29f})),
                 segmentDistance(p, {0.52f, 0.44f}, {0.52f, 1.0f}));
}
float letterV(Vec2 p) {
    return unite(segmentDistance(p, {0.0f, 0.42f}, {0.25f, 1.0f}),
                 segmentDistance(p, {0.25f, 1.0f}, {0.5f, 0.42f}));
}
float letterL(Vec2 p) {
    return segmentDistance(p, {0.08f, 0.0f}, {0.08f, 1.0f});
}
float letterI(Vec2 p) {
    return unite(segmentDistance(p, {0.08f, 0.44f}, {0.08f, 1.0f}),
                 std::max(0.0f, circleDistance(p, {0.08f, 0.2f}, 0.03f)));
}
float letterO(Vec2 p) {
    return std::fabs(ellipseDistance(p, {0.27f, 0.71f}, {0.26f, 0.29f}));
}
float letterN(Vec2 p) {
    const float stem = segmentDistance(p, {0.04f, 0.42f}, {0.04f, 1.0f});
    const float arch = arcDistance(p, {0.28f, 0.68f}, 0.24f, kPi, 2 * kPi);
    return unite(unite(stem, arch), segmentDistance(p, {0.52f, 0.68f}, {0.52f, 1.0f}));
}

constexpr Glyph kGlyphs[] = {{'T', 0.58f, letterT}, {'a', 0.72f, letterA}, {'v', 0.64f, letterV},
                             {'l', 0.30f, letterL}, {'i', 0.30f, letterI}, {'o', 0.68f, letterO},
                             {'n', 0.70f, letterN}, {' ', 0.4f, nullptr}};

const Glyph* find(char c) {
    for (const Glyph& g : kGlyphs)
        if (g.letter == c) return &g;
    return nullptr;
}

} // namespace

float textWidth(const std::string& text, float height) {
    float width = 0;
    for (char c : text)
        if (const Glyph* g = find(c)) width += g->advance;
    return width * height;
}

float textDistance(const std::string& text, Vec2 p, Vec2 origin, float height, float weight) {
    float best = 1e9f;
    float x = origin.x;
    for (char c : text) {
        const Glyph* g = find(c);
        if (!g) continue;
        if (g->distance) {
            const Vec2 local{(p.x - x) / height, (p.y - (origin.y - height)) / height};
            best = std::min(best, g->distance(local) * height);
        }
        x += g->advance * height;
    }
    return best - weight * height;
}

} // namespace assetgen
