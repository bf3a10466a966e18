#include "textures.h"

#include "noise.h"

namespace assetgen {

Image makeWood(int size) {
    Image image(size, size);
    const Vec3 earlyWood = rgb(228, 184, 126), lateWood = rgb(190, 128, 72);
    const Vec3 fibreDark = rgb(158, 100, 56);
    image.shade(
        [&](float px, float py) {
            const float x = px / float(size), y = py / float(size);
            // The plank is cut off-centre from a slightly crooked log, so the rings show as
            // long, gently wavy stripes.
            const float bend = 0.12f * fbm(0.6f, y * 1.1f, 3, 11) + 0.05f * y;
            const float depth = 0.7f + 0.08f * fbm(x * 1.5f, y * 0.5f, 3, 12);
            const float across = x - 0.5f + bend;
            const float radius = std::sqrt(across * across + depth * depth);
            const float rings = radius * 30.0f + 0.5f * fbm(x * 2.5f, y * 0.6f, 4, 13);
            const float phase = rings - std::floor(rings);
            // Late wood: a narrow darker band at the end of every year's growth.
            const float late =
                smoothstep(0.70f, 0.86f, phase) * (1.0f - smoothstep(0.92f, 1.0f, phase));
            Vec3 c = mix(earlyWood, lateWood, late * 0.85f);
            // Fibres: fine streaks along the grain.
            const float fibre = fbm(x * 110.0f, y * 3.0f, 3, 14);
            c = mix(c, fibreDark, clamp01(fibre * 0.28f + 0.06f));
            const float tone = 1.0f + 0.06f * fbm(x * 2.0f, y * 1.0f, 2, 15);
            return c * tone;
        },
        2);
    return image;
}

Image makeMarble(int size) {
    Image image(size, size);
    const Vec3 base = rgb(238, 235, 229), cloud = rgb(214, 212, 211);
    const Vec3 vein = rgb(120, 118, 128), hairline = rgb(172, 166, 160);
    image.shade(
        [&](float px, float py) {
            const Vec3 p{px / float(size) * 2.5f, py / float(size) * 2.5f, 0.5f};
            Vec3 c = mix(base, cloud, clamp01(0.45f + 0.7f * fbm(p * 1.3f, 5, 21)));
            // Veins: level lines of a smoothly warped slope, thin cores in soft halos.
            const float warp = fbm(p * 0.8f, 4, 22, 0.45f);
            const float main = std::fabs(std::sin(p.x * 2.2f + p.y * 1.4f + warp * 2.4f));
            const float core = std::pow(1.0f - main, 10.0f), halo = std::pow(1.0f - main, 2.5f);
            const float strength = smoothstep(-0.3f, 0.5f, fbm(p * 0.7f, 3, 23));
            c = mix(c, vein, (core * 0.8f + halo * 0.18f) * strength);
            const float warp2 = fbm(p * 1.2f + Vec3{3.1f, 1.7f, 0}, 4, 24, 0.45f);
            const float fine = std::fabs(std::sin(-p.x * 1.8f + p.y * 3.6f + warp2 * 2.8f));
            c = mix(c, hairline, std::pow(1.0f - fine, 30.0f) * 0.55f);
            return c;
        },
        2);
    return image;
}

} // namespace assetgen
