#include "glyphs.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr double kStem = 0.1;  // half width of vertical strokes
constexpr double kBar = 0.085; // half height of horizontal strokes
constexpr double kTop = 1 - kBar, kBottom = kBar;

Shape VerticalStem(double x) {
    return Bar({x, -0.1}, {x, 1.1}, kStem);
}
Shape HorizontalBar(double x0, double x1, double y) {
    return Bar({x0, y}, {x1, y}, kBar);
}

Shape Letter(char c) {
    switch (c) {
    case 'A':
        return Union({Bar({-0.37, -0.08}, {-0.055, 1.08}, 0.115),
                      Bar({0.37, -0.08}, {0.055, 1.08}, 0.115), HorizontalBar(-0.22, 0.22, 0.27)});
    case 'B':
        return Union({VerticalStem(-0.23), Bowl(-0.3, 0.23, 0.43, 1, 2 * kBar, 2 * kStem - 0.02),
                      Bowl(-0.3, 0.29, 0, 0.57, 2 * kBar, 2 * kStem)});
    case 'C':
        return Arc({0.02, 0.5}, 0.34, 0.5, 0.34 - 0.2, 0.5 - kBar * 2, 42, 318);
    case 'D':
        return Union({VerticalStem(-0.22), Bowl(-0.3, 0.33, 0, 1, 2 * kBar, 2 * kStem)});
    case 'E':
        return Union({VerticalStem(-0.2), HorizontalBar(-0.3, 0.28, kTop),
                      HorizontalBar(-0.3, 0.22, 0.5), HorizontalBar(-0.3, 0.3, kBottom)});
    case 'F':
        return Union({VerticalStem(-0.18), HorizontalBar(-0.28, 0.28, kTop),
                      HorizontalBar(-0.28, 0.2, 0.48)});
    case 'G':
        return Union({Arc({0.02, 0.5}, 0.35, 0.5, 0.35 - 0.2, 0.5 - kBar * 2, 40, 360),
                      HorizontalBar(0.06, 0.37, 0.455), Bar({0.27, 0.1}, {0.27, 0.54}, kStem)});
    case 'H':
        return Union({VerticalStem(-0.24), VerticalStem(0.24), HorizontalBar(-0.24, 0.24, 0.5)});
    case '1':
        return Union({VerticalStem(0.07), Bar({-0.22, 0.70}, {0.1, 0.98}, 0.085)});
    case '2':
        return Union({Arc({0.0, 0.69}, 0.3, 0.31, 0.3 - 0.19, 0.31 - 0.17, -38, 168),
                      Bar({0.215, 0.535}, {-0.25, 0.12}, 0.1),
                      HorizontalBar(-0.33, 0.33, kBottom)});
    case '3':
        return Union({Arc({-0.01, 0.745}, 0.27, 0.255, 0.27 - 0.185, 0.255 - 0.165, -90, 155),
                      Arc({0.0, 0.29}, 0.31, 0.29, 0.31 - 0.195, 0.29 - 0.17, -155, 90),
                      Bar({-0.08, 0.5}, {0.02, 0.5}, 0.075)});
    case '4':
        return Union({Bar({0.14, -0.1}, {0.14, 1.1}, kStem), Bar({0.2, 1.03}, {-0.32, 0.27}, 0.1),
                      HorizontalBar(-0.36, 0.36, 0.27)});
    case '5':
        return Union({HorizontalBar(-0.18, 0.3, kTop), Bar({-0.165, 0.99}, {-0.22, 0.44}, 0.09),
                      Arc({0.0, 0.325}, 0.32, 0.325, 0.32 - 0.195, 0.325 - 0.17, -150, 140)});
    case '6':
        return Union({Ellipse({0.01, 0.32}, 0.32, 0.32),
                      Arc({0.05, 0.5}, 0.35, 0.5, 0.35 - 0.195, 0.5 - 0.17, 42, 215)});
    case '7':
        return Union({HorizontalBar(-0.32, 0.33, kTop), Bar({0.28, 0.93}, {-0.12, -0.1}, 0.105)});
    case '8':
        return Union({Ellipse({0, 0.755}, 0.27, 0.245), Ellipse({0, 0.285}, 0.315, 0.285)});
    }
    throw std::invalid_argument("no such glyph");
}

// Counters (the holes) of glyphs whose bowls are drawn filled.
Shape Counter(char c) {
    switch (c) {
    case '6':
        return Ellipse({0.01, 0.32}, 0.32 - 0.19, 0.32 - 0.165);
    case '8':
        return Union({Ellipse({0, 0.755}, 0.27 - 0.175, 0.245 - 0.155),
                      Ellipse({0, 0.285}, 0.315 - 0.19, 0.285 - 0.165)});
    }
    return [](Point2) { return 1.0; };
}

} // namespace

Shape GlyphShape(char glyph) {
    const Shape body = Difference(Letter(glyph), Counter(glyph));
    return Intersection(body, Rect(-1, 0, 1, 1));
}

MeshBuilder GlyphMesh(char glyph, double height) {
    const auto loops = TraceOutlines(GlyphShape(glyph), -0.6, -0.05, 0.6, 1.05, 0.004, 0.0012);
    const Triangulation t = Triangulate(loops);
    double xMin = 1e9, xMax = -1e9;
    for (const Point2& p : t.vertices) xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
    const double centre = (xMin + xMax) / 2, width = std::max(xMax - xMin, 1e-9);
    MeshBuilder m;
    for (const Point2& p : t.vertices)
        m.AddVertex({float((p.x - centre) * height), float(p.y * height), 0,
                     float((p.x - xMin) / width), float(std::clamp(p.y, 0.0, 1.0)), 0});
    for (const auto& tri : t.triangles)
        m.AddTriangle(std::uint32_t(tri[0]), std::uint32_t(tri[1]), std::uint32_t(tri[2]));
    return m;
}
