#include "environments.h"
#include "noise.h"
#include "sky_parts.h"

namespace assetgen {

namespace {

const Vec3 kSun = skyDirection(140, 52);
const Vec3 kHorizon = rgb(186, 212, 236), kZenith = rgb(38, 92, 186);
constexpr float kGroundDepth = 1.0f, kClearDistance = 20.0f, kRidgeDistance = 30.0f;

Vec3 air(Vec3 d) {
    Vec3 c = skyGradient(d, kHorizon, kZenith, 0.45f);
    c += rgb(255, 246, 220) * (0.35f * glow(d, kSun, 12) + 0.5f * glow(d, kSun, 300));
    return c;
}

float cloudCover(float x, float y) {
    const float n = 0.5f + 0.5f * fbm(Vec3{x * 0.35f, y * 0.35f, 1.3f}, 6, 31);
    return smoothstep(0.42f, 0.68f, n);
}

Vec3 withClouds(Vec3 d, Vec3 sky) {
    if (d.z <= 0.02f) return sky;
    const float x = d.x / d.z, y = d.y / d.z;
    const float cover = cloudCover(x, y) * smoothstep(0.03f, 0.3f, d.z);
    if (cover <= 0) return sky;
    // Parts of a cloud facing the sun are bright, the rest in its own shadow.
    const float towardsSun = cloudCover(x + kSun.x * 0.25f, y + kSun.y * 0.25f);
    const float lit = clamp01(0.65f + (cloudCover(x, y) - towardsSun) * 1.2f);
    const Vec3 cloud = mix(rgb(160, 172, 192), rgb(255, 255, 252), lit);
    return mix(sky, cloud, cover * 0.95f);
}

Vec3 fields(float x, float y, float distance) {
    static const Vec3 kCrops[] = {rgb(96, 132, 64),   rgb(116, 146, 70), rgb(138, 152, 82),
                                  rgb(172, 162, 104), rgb(130, 112, 82), rgb(104, 138, 80)};
    const float detail = 1.0f - smoothstep(1.5f, 7.0f, distance);
    const float wx = x + 0.35f * fbm(x * 0.6f, y * 0.6f, 3, 41);
    const float wy = y + 0.35f * fbm(x * 0.6f + 5, y * 0.6f, 3, 42);
    const float size = 0.3f;
    const float fx = std::floor(wx / size), fy = std::floor(wy / size);
    const Vec3 crop = kCrops[hash(int(fx), int(fy), 0, 43) % 6];
    // Furrows run one way or the other in each field.
    const bool along = hash(int(fx), int(fy), 0, 44) & 1;
    const float furrow = std::sin((along ? wx : wy) * 160.0f) * 0.04f * detail;
    Vec3 c = crop * (1.0f + furrow + 0.08f * fbm(x * 6, y * 6, 3, 45));
    // Hedges along the field edges, woods here and there.
    const float ex = std::fabs(wx / size - fx - 0.5f), ey = std::fabs(wy / size - fy - 0.5f);
    const float hedge = smoothstep(0.47f, 0.5f, std::max(ex, ey)) * detail;
    const Vec3 wood = rgb(46, 82, 40) * (0.85f + 0.3f * fbm(x * 25, y * 25, 2, 46));
    c = mix(c, wood, hedge * 0.8f);
    const float forest = smoothstep(0.28f, 0.34f, fbm(x * 0.9f, y * 0.9f, 4, 47));
    return mix(c, wood, forest);
}

} // namespace

Vec3 clearDaySky(Vec3 d) {
    const Vec3 ridgeColour =
        mix(rgb(62, 96, 84), kHorizon, 0.55f * haze(kRidgeDistance, kClearDistance));
    if (d.z < 0) {
        const GroundHit g = groundHit(d, kGroundDepth);
        if (g.distance > kRidgeDistance) return ridgeColour;
        const Vec3 lit = fields(g.x, g.y, g.distance) * 1.05f;
        return mix(lit, kHorizon, haze(g.distance, kClearDistance));
    }
    if (std::asin(d.z) < ridgeElevation(d, 0.003f, 0.09f, 2.4f, 48)) return ridgeColour;
    return withClouds(d, air(d) + rgb(255, 250, 230) * disc(d, kSun, 0.03f));
}

} // namespace assetgen
