#include "render/geometry/matrix.h"

#include <cmath>

void SetIdentity(float m[16]) {
    for (int i = 0; i < 16; ++i) m[i] = i % 5 == 0 ? 1.0f : 0.0f;
}

void SetRotation(float m[16], double a, double b, double c) {
    const double sa = std::sin(a), ca = std::cos(a);
    const double sb = std::sin(b), cb = std::cos(b);
    const double sc = std::sin(c), cc = std::cos(c);
    const double d0 = m[0], d1 = m[5], d2 = m[10];
    m[0] = float(d0 * cc * cb);
    m[4] = float(-d0 * sc * cb);
    m[8] = float(d0 * sb);
    m[1] = float(d1 * (sa * sb * cc + sc * ca));
    m[5] = float(d1 * (cc * ca - sa * sb * sc));
    m[9] = float(-d1 * sa * cb);
    m[2] = float(d2 * (sc * sa - ca * sb * cc));
    m[6] = float(d2 * (ca * sb * sc + cc * sa));
    m[10] = float(d2 * cb * ca);
}

void TransformRows(point3d& out, const point3d& p, const float m[16]) {
    const double x = double(p.x) * m[0] + double(p.y) * m[1] + double(p.z) * m[2] + m[3];
    const double y = double(p.x) * m[4] + double(p.y) * m[5] + double(p.z) * m[6] + m[7];
    const double z = double(p.x) * m[8] + double(p.y) * m[9] + double(p.z) * m[10] + m[11];
    out = {float(x), float(y), float(z)};
}

void TransformColumns(point3d& out, const point3d& p, const float m[16]) {
    const double x = double(p.x) * m[0] + double(p.y) * m[4] + double(p.z) * m[8] + m[12];
    const double y = double(p.x) * m[1] + double(p.y) * m[5] + double(p.z) * m[9] + m[13];
    const double z = double(p.x) * m[2] + double(p.y) * m[6] + double(p.z) * m[10] + m[14];
    out = {float(x), float(y), float(z)};
}

void MultiplyMatrices(float out[16], const float A[16], const float B[16]) {
    float product[16];
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += double(A[4 * i + k]) * B[4 * k + j];
            product[4 * i + j] = float(sum);
        }
    }
    for (int i = 0; i < 16; ++i) out[i] = product[i];
}
