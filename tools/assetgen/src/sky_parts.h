#pragma once

#include "vec.h"

#include <cstdint>

namespace assetgen {

// Azimuth in degrees from +y towards +x, elevation in degrees above the horizon.
Vec3 skyDirection(float azimuthDegrees, float elevationDegrees);

// Blend from the horizon colour to the zenith colour; `curve` < 1 keeps the horizon band thin.
Vec3 skyGradient(Vec3 d, Vec3 horizon, Vec3 zenith, float curve);

// 1 inside a disc of angular radius `radius` (radians) around `centre`, with a soft rim.
float disc(Vec3 d, Vec3 centre, float radius);
// Glow falling off with the angle to `centre`: pow(cos angle, sharpness).
float glow(Vec3 d, Vec3 centre, float sharpness);

// Where a downward direction meets the ground `depth` below the viewer.
struct GroundHit {
    float x, y, distance;
};
GroundHit groundHit(Vec3 d, float depth);
// Share of the air colour over an object `distance` away.
float haze(float distance, float clearDistance);

// Elevation (radians) of a distant ridge line in the direction of d; periodic in azimuth.
float ridgeElevation(Vec3 d, float base, float amplitude, float roughness, uint32_t seed);

// Stars: brightness at d of a random field of points on the sphere, `cells` per unit of the
// direction cube, each point lit with probability `chance`; `tint` receives its colour.
float stars(Vec3 d, float cells, float chance, float spread, uint32_t seed, Vec3& tint);

} // namespace assetgen
