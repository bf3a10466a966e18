#include "canvas.h"

namespace assetgen {

Vec2 Canvas::centreOf(int x, int y) const {
    return {(float(x) + 0.5f) * pixel(), (float(y) + 0.5f) * pixel()};
}

void Canvas::fill(const Shape& shape, const std::function<Vec3(Vec2)>& colour, float opacity) {
    const float px = pixel();
    for (int y = 0; y < image_.height(); ++y)
        for (int x = 0; x < image_.width(); ++x) {
            const Vec2 p = centreOf(x, y);
            const float cover = clamp01(0.5f - shape(p) / px) * opacity;
            if (cover <= 0) continue;
            const float below = image_.alphaAt(x, y);
            const float alpha = cover + below * (1 - cover);
            image_.at(x, y) = (colour(p) * cover + image_.at(x, y) * (below * (1 - cover))) / alpha;
            image_.alphaAt(x, y) = alpha;
        }
}

void Canvas::fill(const Shape& shape, Vec3 colour, float opacity) {
    fill(
        shape, [colour](Vec2) { return colour; }, opacity);
}

void Canvas::fillOutlined(const Shape& shape, Vec3 top, Vec3 bottom, Vec3 outline,
                          float outlineWidth) {
    fill([&](Vec2 p) { return shape(p) - outlineWidth; }, outline);
    fill(shape, [&](Vec2 p) { return mix(top, bottom, clamp01(p.y)); });
}

void Canvas::dropShadow(const Shape& shape, Vec2 offset, float softness, float opacity) {
    const float px = pixel();
    for (int y = 0; y < image_.height(); ++y)
        for (int x = 0; x < image_.width(); ++x) {
            const Vec2 p = centreOf(x, y);
            const float d = shape(Vec2{p.x - offset.x, p.y - offset.y});
            const float cover = (1 - smoothstep(-px, softness, d)) * opacity;
            if (cover <= 0) continue;
            const float below = image_.alphaAt(x, y);
            const float alpha = cover + below * (1 - cover);
            image_.at(x, y) = image_.at(x, y) * (below * (1 - cover) / alpha);
            image_.alphaAt(x, y) = alpha;
        }
}

} // namespace assetgen
