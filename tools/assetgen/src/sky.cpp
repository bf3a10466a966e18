#include "sky.h"

namespace assetgen {

// Pictures are flipped on loading so that the top row of the file is v = 1.
const SkyFace kSkyFaces[6] = {
    {"lf", {-1, 0, 0}, {0, 0, 1}, {0, 1, 0}}, {"rt", {1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
    {"up", {0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {"dn", {0, -1, 0}, {-1, 0, 0}, {0, 0, -1}},
    {"bk", {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {"fr", {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
};

Vec3 tableToSky(Vec3 table) {
    return {table.x, -table.z, table.y};
}

Vec3 faceTexelDirection(const SkyFace& face, float x, float y, int size) {
    const float u = x / float(size), v = 1.0f - y / float(size);
    const Vec3 table = face.centre + face.uAxis * (2 * u - 1) + face.vAxis * (2 * v - 1);
    return normalize(tableToSky(table));
}

Image renderFace(const SkyFace& face, int size, const SkyFunction& sky, int samples) {
    Image image(size, size);
    image.shade([&](float x, float y) { return sky(faceTexelDirection(face, x, y, size)); },
                samples);
    return image;
}

Image renderPreview(Vec3 forward, int size, float fieldOfView, const SkyFunction& sky) {
    const Vec3 f = normalize(forward);
    const Vec3 right = normalize(cross(f, Vec3{0, 0, 1}));
    const Vec3 up = cross(right, f);
    const float half = std::tan(fieldOfView * 0.5f);
    Image image(size, size);
    image.shade(
        [&](float x, float y) {
            const float sx = (2 * x / float(size) - 1) * half,
                        sy = (1 - 2 * y / float(size)) * half;
            return sky(normalize(f + right * sx + up * sy));
        },
        3);
    return image;
}

} // namespace assetgen
