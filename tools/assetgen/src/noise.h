#pragma once

#include "vec.h"

#include <cstdint>

namespace assetgen {

// Deterministic integer hash, so every run paints the same pictures.
uint32_t hash(int32_t a, int32_t b = 0, int32_t c = 0, uint32_t seed = 0);
// Uniform in [0, 1).
float hashUnit(int32_t a, int32_t b = 0, int32_t c = 0, uint32_t seed = 0);

// Gradient noise in about [-1, 1].
float noise(float x, float y, uint32_t seed = 0);
float noise(Vec3 p, uint32_t seed = 0);

// Sums of octaves, each of twice the frequency and `gain` times the weight of the last,
// normalised to about [-1, 1].
float fbm(float x, float y, int octaves, uint32_t seed = 0, float gain = 0.5f);
float fbm(Vec3 p, int octaves, uint32_t seed = 0, float gain = 0.5f);
// Like fbm, but of |noise|: billowy, for marble veins and clouds.
float turbulence(Vec3 p, int octaves, uint32_t seed = 0);

} // namespace assetgen
