// Draws every embedded mesh into one picture, lit the way the game lights
// them (per-vertex diffuse light through the 0.75-long normals), so their
// design can be checked without running the game. Writes a binary PPM:
//   contact_sheet <out.ppm>      (convert it with ImageMagick: convert out.ppm out.png)
#include "render/embedded_meshes.h"
#include "render/geometry/vector.h"
#include "render/piece_meshes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

struct Rgb {
    float r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height),
          pixels_(std::size_t(width) * height, {0.93f, 0.93f, 0.9f}),
          depth_(pixels_.size(), std::numeric_limits<float>::max()) {}

    // A triangle with screen positions (x, y, depth) and colours at its corners;
    // `shade` may tint each pixel from the interpolated texture coordinates.
    template <typename Shade>
    void Triangle(const point3d (&p)[3], const Rgb (&c)[3], const float (&u)[3],
                  const float (&v)[3], Shade shade) {
        const float area =
            (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x);
        if (std::abs(area) < 1e-12f) return;
        const int x0 = std::max(0, int(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int x1 = std::min(width_ - 1, int(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int y0 = std::max(0, int(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int y1 = std::min(height_ - 1, int(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                float w[3];
                for (int k = 0; k < 3; ++k) {
                    const point3d &a = p[(k + 1) % 3], &b = p[(k + 2) % 3];
                    w[k] = ((b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x)) / area;
                }
                if (w[0] < 0 || w[1] < 0 || w[2] < 0) continue;
                const float z = w[0] * p[0].z + w[1] * p[1].z + w[2] * p[2].z;
                float& d = depth_[std::size_t(y) * width_ + x];
                if (z >= d) continue;
                d = z;
                const Rgb lit{w[0] * c[0].r + w[1] * c[1].r + w[2] * c[2].r,
                              w[0] * c[0].g + w[1] * c[1].g + w[2] * c[2].g,
                              w[0] * c[0].b + w[1] * c[1].b + w[2] * c[2].b};
                pixels_[std::size_t(y) * width_ + x] =
                    shade(lit, w[0] * u[0] + w[1] * u[1] + w[2] * u[2],
                          w[0] * v[0] + w[1] * v[1] + w[2] * v[2]);
            }
        }
    }

    bool Write(const char* path) const {
        std::FILE* out = std::fopen(path, "wb");
        if (!out) return false;
        std::fprintf(out, "P6\n%d %d\n255\n", width_, height_);
        for (const Rgb& c : pixels_) {
            const unsigned char bytes[3] = {Byte(c.r), Byte(c.g), Byte(c.b)};
            std::fwrite(bytes, 1, 3, out);
        }
        return std::fclose(out) == 0;
    }

private:
    static unsigned char Byte(float f) {
        return (unsigned char)(std::clamp(f, 0.0f, 1.0f) * 255 + 0.5f);
    }

    int width_, height_;
    std::vector<Rgb> pixels_;
    std::vector<float> depth_;
};

// A perspective view of a point of interest from a direction.
struct View {
    point3d eye, right, up, forward;
    float focal, cx, cy;

    View(point3d target, point3d from, float distance, float focalPixels, float centreX,
         float centreY)
        : focal(focalPixels), cx(centreX), cy(centreY) {
        Normalize(from);
        Scaled(eye, from, distance);
        Add(eye, eye, target);
        Sub(forward, target, eye);
        Normalize(forward);
        Cross(right, forward, {0, 0, 1});
        Normalize(right);
        Cross(up, right, forward);
    }

    point3d Project(const point3d& p) const {
        point3d d;
        Sub(d, p, eye);
        const float z = float(Dot(d, forward));
        return {cx + focal * float(Dot(d, right)) / z, cy - focal * float(Dot(d, up)) / z, z};
    }
};

// Wood-like rings from the texture coordinates, to show how the texture wraps.
Rgb Wood(Rgb lit, float u, float v) {
    const float ring = 0.5f + 0.5f * std::sin(60 * v + 4 * std::sin(9 * u) + 25 * u);
    const float t = 0.8f + 0.2f * ring;
    return {lit.r * t, lit.g * t * 0.93f, lit.b * t * 0.82f};
}

void DrawPiece(Canvas& canvas, const CMesh& mesh, const View& view, float grey) {
    point3d light{-0.45f, 0.35f, 0.8f};
    Normalize(light);
    // The view's right-hand side, so the light comes from the camera's upper left.
    point3d l;
    Scaled(l, view.right, -0.6f);
    Add(l, l, {0, 0, 0.7f});
    point3d toward;
    Scaled(toward, view.forward, -0.55f);
    Add(l, l, toward);
    Normalize(l);
    for (const face_t& f : mesh.faces) {
        point3d p[3];
        Rgb c[3];
        float u[3], v[3];
        const std::uint32_t ids[3] = {f.a, f.b, f.c};
        for (int k = 0; k < 3; ++k) {
            const vert_t& vx = mesh.vertices[ids[k]];
            p[k] = view.Project({vx.x, vx.y, vx.z});
            const float diffuse = std::max(0.0f, float(Dot(mesh.normals[ids[k]], l)));
            const float light = 0.22f + 0.95f * diffuse;
            c[k] = {grey * light, grey * light, grey * light};
            u[k] = vx.u, v[k] = vx.v;
        }
        canvas.Triangle(p, c, u, v, Wood);
    }
}

void DrawFlat(Canvas& canvas, const MeshTable& table, float scale, float ox, float oy, Rgb colour) {
    for (std::uint32_t i = 0; i < table.faceCount; ++i) {
        const face_t& f = table.faces[i];
        point3d p[3];
        const std::uint32_t ids[3] = {f.a, f.b, f.c};
        for (int k = 0; k < 3; ++k)
            p[k] = {ox + table.vertices[ids[k]].x * scale, oy - table.vertices[ids[k]].y * scale,
                    0};
        const Rgb c[3] = {colour, colour, colour};
        const float none[3] = {0, 0, 0};
        canvas.Triangle(p, c, none, none, [](Rgb lit, float, float) { return lit; });
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contact_sheet <out.ppm>\n");
        return 2;
    }
    CMeshList meshes;
    meshes.Build();
    const int cell = 300, rowHeight = 420, width = cell * 6, height = rowHeight * 2 + 260;
    Canvas canvas(width, height);
    // Pieces in type order; seen from the side the knight looks at.
    for (int type = 1; type <= 6; ++type) {
        for (int row = 0; row < 2; ++row) {
            const float cx = cell * (type - 0.5f), cy = rowHeight * (row + 0.5f);
            const point3d from = row == 0 ? point3d{1, 1, 0.4f} : point3d{-0.35f, 1, 0.55f};
            View view({0, 0, 0.75f}, from, 6, 1500, cx, cy);
            DrawPiece(canvas, meshes.ForType(type), view, row == 0 ? 1.0f : 0.5f);
        }
    }
    // Shadow and glyphs from above.
    const float top = rowHeight * 2;
    DrawFlat(canvas, ShadowTable(), 300, 140, top + 100, {0.55f, 0.55f, 0.55f});
    for (int n = 0; n < 8; ++n) {
        DrawFlat(canvas, LetterGlyph(n), 330, 420 + n * 130.0f, top + 115, {0.8f, 0.1f, 0.8f});
        DrawFlat(canvas, DigitGlyph(n), 330, 420 + n * 130.0f, top + 235, {0.8f, 0.1f, 0.8f});
    }
    if (!canvas.Write(argv[1])) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
