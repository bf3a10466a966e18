#include "environments.h"
#include "noise.h"
#include "sky_parts.h"

namespace assetgen {

namespace {

const Vec3 kSun = skyDirection(12, 3.5f);
const Vec3 kHorizon = rgb(255, 150, 78), kHigh = rgb(222, 120, 118), kZenith = rgb(72, 62, 126);
constexpr float kSeaDepth = 1.0f, kClearDistance = 25.0f, kCoastDistance = 40.0f;

Vec3 air(Vec3 d) {
    const float up = clamp01(d.z);
    Vec3 c = up < 0.25f ? mix(kHorizon, kHigh, std::pow(up / 0.25f, 0.7f))
                        : mix(kHigh, kZenith, std::pow((up - 0.25f) / 0.75f, 0.6f));
    // The side of the sky around the sun stays warm and bright.
    c = mix(c, rgb(255, 196, 110), 0.55f * glow(d, kSun, 6) * (1 - up));
    c += rgb(255, 220, 150) * (0.6f * glow(d, kSun, 200) + 0.5f * glow(d, kSun, 2000));
    return c;
}

Vec3 withClouds(Vec3 d, Vec3 sky) {
    if (d.z <= 0.01f) return sky;
    const float x = d.x / d.z, y = d.y / d.z;
    // Long bands of high cloud, lit from below by the low sun.
    const float n = 0.5f + 0.5f * fbm(Vec3{x * 0.45f, y * 0.8f, 2.1f}, 6, 51);
    const float cover = smoothstep(0.5f, 0.72f, n) * smoothstep(0.03f, 0.28f, d.z);
    const float sunward = glow(d, kSun, 3);
    const Vec3 cloud = mix(rgb(96, 62, 98), rgb(255, 150, 96), 0.25f + 0.75f * sunward);
    return mix(sky, cloud * (0.9f + 0.2f * n), cover * 0.9f);
}

Vec3 sky(Vec3 d) {
    return withClouds(d, air(d)) + rgb(255, 236, 180) * disc(d, kSun, 0.045f);
}

Vec3 sea(Vec3 d) {
    const GroundHit g = groundHit(d, kSeaDepth);
    // Waves tilt the mirror; the further away, the less of them can be seen.
    const float calm = 1.0f - smoothstep(2.0f, 20.0f, g.distance);
    const float wx = fbm(g.x * 7.0f, g.y * 7.0f, 4, 52) + 0.4f * fbm(g.x * 30, g.y * 30, 2, 53);
    const float wy =
        fbm(g.x * 7.0f + 7, g.y * 7.0f, 4, 54) + 0.4f * fbm(g.x * 30 + 3, g.y * 30, 2, 55);
    const float tilt = 0.05f + 0.1f * calm;
    const Vec3 normal = normalize(Vec3{wx * tilt, wy * tilt, 1});
    Vec3 r = reflect(d, normal);
    r.z = std::max(r.z, 0.002f);
    r = normalize(r);
    const float cosine = std::max(0.0f, -dot(d, normal));
    const float fresnel = 0.02f + 0.98f * std::pow(1.0f - cosine, 5.0f);
    const Vec3 deep = rgb(52, 40, 78);
    const Vec3 c = mix(deep, sky(r), 0.22f + 0.78f * fresnel);
    return mix(c, kHorizon * 0.9f, haze(g.distance, kClearDistance) * 0.6f);
}

} // namespace

Vec3 sunsetSky(Vec3 d) {
    const Vec3 land = mix(rgb(52, 30, 58), kHorizon, haze(kCoastDistance, kClearDistance) * 0.5f);
    const float coast = ridgeElevation(d, -0.05f, 0.12f, 3.2f, 56);
    const bool coastHere = coast > 0.0f;
    if (d.z < 0) {
        if (coastHere && groundHit(d, kSeaDepth).distance > kCoastDistance) return land;
        return sea(d);
    }
    if (coastHere && std::asin(d.z) < coast) return land;
    return sky(d);
}

} // namespace assetgen
