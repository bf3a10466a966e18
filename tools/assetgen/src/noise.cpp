#include "noise.h"

namespace assetgen {

uint32_t hash(int32_t a, int32_t b, int32_t c, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u + 0x7F4A7C15u;
    for (uint32_t v : {uint32_t(a), uint32_t(b), uint32_t(c)}) {
        h ^= v + 0x9E3779B9u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
    }
    h *= 0xC2B2AE35u;
    return h ^ (h >> 16);
}

float hashUnit(int32_t a, int32_t b, int32_t c, uint32_t seed) {
    return float(hash(a, b, c, seed) >> 8) / float(1u << 24);
}

namespace {

float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

Vec3 gradient(int32_t x, int32_t y, int32_t z, uint32_t seed) {
    // Twelve edge directions of a cube give an even spread without a table.
    static constexpr Vec3 kDirections[12] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                             {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                             {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
    return kDirections[hash(x, y, z, seed) % 12];
}

} // namespace

float noise(Vec3 p, uint32_t seed) {
    const float fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const int32_t ix = int32_t(fx), iy = int32_t(fy), iz = int32_t(fz);
    const Vec3 f{p.x - fx, p.y - fy, p.z - fz};
    const Vec3 u{fade(f.x), fade(f.y), fade(f.z)};
    float corner[8];
    for (int i = 0; i < 8; ++i) {
        const int dx = i & 1, dy = (i >> 1) & 1, dz = i >> 2;
        corner[i] = dot(gradient(ix + dx, iy + dy, iz + dz, seed),
                        Vec3{f.x - float(dx), f.y - float(dy), f.z - float(dz)});
    }
    const float x00 = mix(corner[0], corner[1], u.x), x10 = mix(corner[2], corner[3], u.x);
    const float x01 = mix(corner[4], corner[5], u.x), x11 = mix(corner[6], corner[7], u.x);
    return mix(mix(x00, x10, u.y), mix(x01, x11, u.y), u.z);
}

float noise(float x, float y, uint32_t seed) {
    return noise(Vec3{x, y, 0.37f}, seed);
}

float fbm(Vec3 p, int octaves, uint32_t seed, float gain) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * noise(p, seed + uint32_t(i));
        total += weight;
        weight *= gain;
        p = p * 2.03f; // not exactly 2, so octave lattices do not line up
    }
    return sum / total * 1.4f;
}

float fbm(float x, float y, int octaves, uint32_t seed, float gain) {
    return fbm(Vec3{x, y, 0.37f}, octaves, seed, gain);
}

float turbulence(Vec3 p, int octaves, uint32_t seed) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * std::fabs(noise(p, seed + uint32_t(i)));
        total += weight;
        weight *= 0.5f;
        p = p * 2.03f;
    }
    return sum / total * 1.6f;
}

} // namespace assetgen
