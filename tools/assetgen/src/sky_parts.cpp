#include "sky_parts.h"

#include "noise.h"

namespace assetgen {

Vec3 skyDirection(float azimuthDegrees, float elevationDegrees) {
    const float az = azimuthDegrees * kPi / 180, el = elevationDegrees * kPi / 180;
    return {std::sin(az) * std::cos(el), std::cos(az) * std::cos(el), std::sin(el)};
}

Vec3 skyGradient(Vec3 d, Vec3 horizon, Vec3 zenith, float curve) {
    return mix(horizon, zenith, std::pow(clamp01(d.z), curve));
}

float disc(Vec3 d, Vec3 centre, float radius) {
    const float angle = std::acos(std::clamp(dot(d, centre), -1.0f, 1.0f));
    return 1.0f - smoothstep(radius * 0.85f, radius * 1.15f, angle);
}

float glow(Vec3 d, Vec3 centre, float sharpness) {
    return std::pow(std::max(0.0f, dot(d, centre)), sharpness);
}

GroundHit groundHit(Vec3 d, float depth) {
    const float t = depth / std::max(-d.z, 1e-4f);
    return {d.x * t, d.y * t, t};
}

float haze(float distance, float clearDistance) {
    return 1.0f - std::exp(-distance / clearDistance);
}

float ridgeElevation(Vec3 d, float base, float amplitude, float roughness, uint32_t seed) {
    const float flat = std::sqrt(d.x * d.x + d.y * d.y);
    const Vec3 around{d.x / flat * roughness, d.y / flat * roughness, 0.5f};
    return base + amplitude * (0.5f + 0.5f * fbm(around, 5, seed));
}

float stars(Vec3 d, float cells, float chance, float spread, uint32_t seed, Vec3& tint) {
    const Vec3 p = d * cells;
    const int cx = int(std::floor(p.x)), cy = int(std::floor(p.y)), cz = int(std::floor(p.z));
    float best = 0;
    for (int dz = -1; dz <= 1; ++dz)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = cx + dx, y = cy + dy, z = cz + dz;
                if (hashUnit(x, y, z, seed) > chance) continue;
                const Vec3 star =
                    normalize(Vec3{x + hashUnit(x, y, z, seed + 1), y + hashUnit(x, y, z, seed + 2),
                                   z + hashUnit(x, y, z, seed + 3)});
                // Cells are not all on the sphere; a star belongs to the cell it lies in.
                const Vec3 onCube = star * cells;
                if (int(std::floor(onCube.x)) != x || int(std::floor(onCube.y)) != y ||
                    int(std::floor(onCube.z)) != z)
                    continue;
                const float angle = length(d - star);
                const float magnitude = std::pow(hashUnit(x, y, z, seed + 4), 6.0f);
                const float size = spread * (0.6f + 1.2f * magnitude);
                const float light =
                    (0.25f + 0.75f * magnitude) * std::exp(-(angle * angle) / (size * size));
                if (light > best) {
                    best = light;
                    const float warmth = hashUnit(x, y, z, seed + 5);
                    tint = warmth < 0.3f   ? rgb(255, 214, 170)
                           : warmth < 0.7f ? rgb(255, 250, 240)
                                           : rgb(200, 215, 255);
                }
            }
    return best;
}

} // namespace assetgen
