#include "shapes.h"

namespace assetgen {

namespace {

Vec2 sub(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
float dot2(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
float len(Vec2 a) {
    return std::sqrt(dot2(a, a));
}

} // namespace

float circleDistance(Vec2 p, Vec2 centre, float radius) {
    return len(sub(p, centre)) - radius;
}

float ellipseDistance(Vec2 p, Vec2 centre, Vec2 radii) {
    const Vec2 q{(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
    const float k = len(q);
    const Vec2 gradient{q.x / radii.x, q.y / radii.y};
    const float g = len(gradient);
    return g > 0 ? (k - 1) * k / g : -std::min(radii.x, radii.y);
}

float boxDistance(Vec2 p, Vec2 centre, Vec2 half, float rounding) {
    const Vec2 d{std::fabs(p.x - centre.x) - half.x + rounding,
                 std::fabs(p.y - centre.y) - half.y + rounding};
    const Vec2 outside{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
    return len(outside) + std::min(std::max(d.x, d.y), 0.0f) - rounding;
}

float segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 pa = sub(p, a), ba = sub(b, a);
    const float h = std::clamp(dot2(pa, ba) / dot2(ba, ba), 0.0f, 1.0f);
    return len(Vec2{pa.x - ba.x * h, pa.y - ba.y * h});
}

float arcDistance(Vec2 p, Vec2 centre, float radius, float a0, float a1) {
    const Vec2 d = sub(p, centre);
    float angle = std::atan2(d.y, d.x);
    while (angle < a0) angle += 2 * kPi;
    if (angle <= a1) return std::fabs(len(d) - radius);
    const Vec2 e0{centre.x + radius * std::cos(a0), centre.y + radius * std::sin(a0)};
    const Vec2 e1{centre.x + radius * std::cos(a1), centre.y + radius * std::sin(a1)};
    return std::min(len(sub(p, e0)), len(sub(p, e1)));
}

float polygonDistance(Vec2 p, const std::vector<Vec2>& v) {
    float d = dot2(sub(p, v[0]), sub(p, v[0]));
    float sign = 1;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const Vec2 e = sub(v[j], v[i]), w = sub(p, v[i]);
        const float h = std::clamp(dot2(w, e) / dot2(e, e), 0.0f, 1.0f);
        const Vec2 b{w.x - e.x * h, w.y - e.y * h};
        d = std::min(d, dot2(b, b));
        const bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * std::sqrt(d);
}

std::vector<Vec2> mirroredOutline(const std::vector<Vec2>& rightHalf) {
    std::vector<Vec2> points = rightHalf;
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it)
        points.push_back({-it->x, it->y});
    return points;
}

float smoothUnite(float a, float b, float k) {
    const float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
    return mix(b, a, h) - k * h * (1 - h);
}

} // namespace assetgen
