#pragma once

#include <algorithm>
#include <cmath>

namespace assetgen {

constexpr float kPi = 3.14159265358979f;

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(float s, Vec3 a) {
    return a * s;
}
inline Vec3 operator*(Vec3 a, Vec3 b) {
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
inline Vec3 operator/(Vec3 a, float s) {
    return a * (1.0f / s);
}
inline Vec3& operator+=(Vec3& a, Vec3 b) {
    return a = a + b;
}
inline Vec3& operator*=(Vec3& a, float s) {
    return a = a * s;
}

inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalize(Vec3 a) {
    return a / length(a);
}
inline Vec3 reflect(Vec3 d, Vec3 n) {
    return d - n * (2.0f * dot(d, n));
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
inline float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline Vec3 mix(Vec3 a, Vec3 b, float t) {
    return a + (b - a) * t;
}
inline float smoothstep(float e0, float e1, float v) {
    float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

// Colours are written as 0..255 triples in the tables, like a paint program shows them.
inline Vec3 rgb(int r, int g, int b) {
    return Vec3{r / 255.0f, g / 255.0f, b / 255.0f};
}

} // namespace assetgen
