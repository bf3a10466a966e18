#include "environments.h"
#include "noise.h"
#include "sky_parts.h"

namespace assetgen {

namespace {

const Vec3 kMoon = skyDirection(-38, 32);
const Vec3 kGalaxyPole = normalize(Vec3{0.55f, -0.3f, 0.78f});
const Vec3 kHorizon = rgb(28, 40, 74), kZenith = rgb(4, 7, 22);
constexpr float kGroundDepth = 1.0f, kClearDistance = 14.0f, kRidgeDistance = 25.0f;

Vec3 moon(Vec3 d) {
    const float inside = disc(d, kMoon, 0.04f);
    if (inside <= 0) return {};
    const float seas = fbm(d * 60.0f, 4, 61);
    const Vec3 surface = mix(rgb(250, 248, 236), rgb(170, 172, 176), smoothstep(0.0f, 0.5f, seas));
    return surface * inside;
}

Vec3 heavens(Vec3 d) {
    Vec3 c = skyGradient(d, kHorizon, kZenith, 0.5f);
    c += rgb(120, 140, 190) * (0.25f * glow(d, kMoon, 20) + 0.3f * glow(d, kMoon, 400));
    // A faint milky band with dark lanes, and more stars inside it.
    const float band = std::exp(-std::pow(dot(d, kGalaxyPole) / 0.16f, 2.0f));
    const float lanes = 0.5f + 0.5f * fbm(d * 7.0f, 5, 62);
    c += rgb(120, 124, 150) * (band * 0.35f * smoothstep(0.3f, 0.8f, lanes));
    Vec3 tint;
    const float light = stars(d, 140, 0.035f + 0.06f * band, 0.0028f, 63, tint);
    const float twinkleFade = smoothstep(0.0f, 0.12f, d.z); // thick air near the horizon
    c += tint * (light * (0.3f + 0.7f * twinkleFade));
    return c + moon(d);
}

Vec3 land(float x, float y, float distance) {
    const float detail = 1.0f - smoothstep(2.0f, 10.0f, distance);
    Vec3 c = rgb(14, 22, 26) * (1.0f + 0.35f * fbm(x * 1.5f, y * 1.5f, 4, 64));
    const float forest = smoothstep(0.2f, 0.3f, fbm(x * 0.8f, y * 0.8f, 4, 65));
    c = mix(c, rgb(6, 12, 14), forest);
    // A lake here and there mirrors the sky.
    const float lake = smoothstep(0.45f, 0.5f, fbm(x * 0.5f + 11, y * 0.5f, 4, 66));
    c = mix(c, rgb(30, 44, 80) * (1.0f + 0.2f * fbm(x * 30, y * 30, 2, 67) * detail), lake);
    // Lit windows of farms and villages.
    const float cell = 0.08f;
    const int cx = int(std::floor(x / cell)), cy = int(std::floor(y / cell));
    const float village = smoothstep(0.1f, 0.4f, fbm(x * 0.6f + 3, y * 0.6f, 3, 68)) * (1 - lake);
    if (hashUnit(cx, cy, 0, 69) < 0.25f * village) {
        const float px = (cx + hashUnit(cx, cy, 1, 69)) * cell,
                    py = (cy + hashUnit(cx, cy, 2, 69)) * cell;
        const float r = std::hypot(x - px, y - py) / (0.004f + 0.0012f * distance);
        c += rgb(255, 190, 110) * (std::exp(-r * r) * 1.4f);
    }
    return c;
}

} // namespace

Vec3 starryNightSky(Vec3 d) {
    const Vec3 ridgeColour =
        mix(rgb(8, 12, 20), kHorizon, haze(kRidgeDistance, kClearDistance) * 0.6f);
    if (d.z < 0) {
        const GroundHit g = groundHit(d, kGroundDepth);
        if (g.distance > kRidgeDistance) return ridgeColour;
        return mix(land(g.x, g.y, g.distance), kHorizon * 0.8f, haze(g.distance, kClearDistance));
    }
    if (std::asin(d.z) < ridgeElevation(d, 0.006f, 0.05f, 2.2f, 70)) return ridgeColour;
    return heavens(d);
}

} // namespace assetgen
