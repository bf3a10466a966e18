#include "preview.h"

#include "glyphs.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

void WriteGlyphPreview(const std::string& path) {
    const char glyphs[] = "ABCDEFGH12345678";
    const int cell = 120, width = cell * 8, height = cell * 2;
    std::vector<unsigned char> image(std::size_t(width) * height, 255);
    for (int g = 0; g < 16; ++g) {
        const MeshBuilder m = GlyphMesh(glyphs[g], 1.0);
        const int ox = (g % 8) * cell + cell / 2, oy = (g / 8) * cell + cell - 10;
        const double scale = cell - 24;
        for (const face_t& f : m.faces) {
            const vert_t &a = m.vertices[f.a], &b = m.vertices[f.b], &c = m.vertices[f.c];
            auto px = [&](const vert_t& v) { return ox + v.x * scale; };
            auto py = [&](const vert_t& v) { return oy - v.y * scale; };
            const int x0 = int(std::min({px(a), px(b), px(c)})),
                      x1 = int(std::max({px(a), px(b), px(c)})) + 1;
            const int y0 = int(std::min({py(a), py(b), py(c)})),
                      y1 = int(std::max({py(a), py(b), py(c)})) + 1;
            for (int y = std::max(y0, 0); y <= std::min(y1, height - 1); ++y)
                for (int x = std::max(x0, 0); x <= std::min(x1, width - 1); ++x) {
                    auto edge = [&](const vert_t& p, const vert_t& q) {
                        return (px(q) - px(p)) * (y + 0.5 - py(p)) -
                               (py(q) - py(p)) * (x + 0.5 - px(p));
                    };
                    const double e0 = edge(a, b), e1 = edge(b, c), e2 = edge(c, a);
                    if ((e0 <= 0 && e1 <= 0 && e2 <= 0) || (e0 >= 0 && e1 >= 0 && e2 >= 0))
                        image[std::size_t(y) * width + x] = 40;
                }
        }
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + path);
    std::fprintf(out, "P5\n%d %d\n255\n", width, height);
    std::fwrite(image.data(), 1, image.size(), out);
    std::fclose(out);
}
