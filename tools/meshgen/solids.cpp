#include "solids.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace {

constexpr double kPi = std::numbers::pi;

vert_t Vertex(double x, double y, double z, double u, double v) {
    return {float(x), float(y), float(z), float(u), float(v), 0};
}

void AddQuad(MeshBuilder& m, std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    m.AddTriangle(a, b, c);
    m.AddTriangle(a, c, d);
}

// Outward offset directions at the corners of a counter-clockwise outline,
// long enough to move both edges by one unit (mitred, at most twice).
std::vector<Point2> MiterDirections(const std::vector<Point2>& outline) {
    const int n = int(outline.size());
    auto edgeNormal = [](const Point2& a, const Point2& b) {
        const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
        return Point2{dy / len, -dx / len};
    };
    std::vector<Point2> miter(n);
    for (int i = 0; i < n; ++i) {
        const Point2 n0 = edgeNormal(outline[(i + n - 1) % n], outline[i]);
        const Point2 n1 = edgeNormal(outline[i], outline[(i + 1) % n]);
        const Point2 sum{n0.x + n1.x, n0.y + n1.y};
        const double len = std::hypot(sum.x, sum.y);
        const double cosHalf = std::max(0.5, len / 2);
        miter[i] = {sum.x / len / cosHalf, sum.y / len / cosHalf};
    }
    return miter;
}

bool Crosses(Point2 a, Point2 b, Point2 c, Point2 d) {
    auto side = [](Point2 o, Point2 p, Point2 q) {
        return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
    };
    return (side(a, b, c) > 0) != (side(a, b, d) > 0) && (side(c, d, a) > 0) != (side(c, d, b) > 0);
}

// How far the ring inside a flat face steps in beyond the rounded edge:
// less at sharp corners and wherever the ring would fold over or cross
// itself (an ear's tip).
std::vector<double> InnerRingExtra(const std::vector<Point2>& outline,
                                   const std::vector<Point2>& miter, double bevel) {
    const int n = int(outline.size());
    std::vector<double> extra(n);
    for (int i = 0; i < n; ++i)
        extra[i] = 0.6 * bevel / (miter[i].x * miter[i].x + miter[i].y * miter[i].y);
    auto at = [&](int i) {
        const double inset = bevel + extra[i];
        return Point2{outline[i].x - inset * miter[i].x, outline[i].y - inset * miter[i].y};
    };
    for (int round = 0; round < 40; ++round) {
        std::vector<bool> shrink(n, false);
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            const Point2 c = at(i), d = at(j);
            const double along = (outline[j].x - outline[i].x) * (d.x - c.x) +
                                 (outline[j].y - outline[i].y) * (d.y - c.y);
            if (along <= 0) shrink[i] = shrink[j] = true;
            for (int k = i + 2; k < n; ++k) {
                if ((k + 1) % n == i) continue;
                if (Crosses(c, d, at(k), at((k + 1) % n)))
                    shrink[i] = shrink[j] = shrink[k] = shrink[(k + 1) % n] = true;
            }
        }
        if (std::find(shrink.begin(), shrink.end(), true) == shrink.end()) break;
        for (int i = 0; i < n; ++i)
            if (shrink[i]) extra[i] *= 0.5;
    }
    return extra;
}

} // namespace

MeshBuilder Revolve(const Profile& profile, int segments) {
    const auto& points = profile.Points();
    const int rows = int(points.size());
    std::vector<double> along(rows, 0);
    for (int j = 1; j < rows; ++j)
        along[j] =
            along[j - 1] + std::hypot(points[j].r - points[j - 1].r, points[j].z - points[j - 1].z);
    MeshBuilder m;
    for (int j = 0; j < rows; ++j) {
        for (int k = 0; k < segments; ++k) {
            const double a = 2 * kPi * k / segments;
            const double u = 1 - std::abs(1 - 2.0 * k / segments);
            m.AddVertex(Vertex(points[j].r * std::cos(a), points[j].r * std::sin(a), points[j].z, u,
                               along[j] / along.back()));
        }
    }
    auto index = [&](int j, int k) { return std::uint32_t((j % rows) * segments + k % segments); };
    for (int j = 0; j < rows; ++j)
        for (int k = 0; k < segments; ++k)
            AddQuad(m, index(j, k), index(j, k + 1), index(j + 1, k + 1), index(j + 1, k));
    return m;
}

MeshBuilder Sphere(double cx, double cy, double cz, double radius, int rings, int segments) {
    Profile p(0, -radius);
    p.Arc(0, 0, radius, -90, 90, rings);
    MeshBuilder m = Revolve(p, segments);
    m.Translate(cx, cy, cz);
    return m;
}

MeshBuilder Loft(const std::vector<LoftRing>& rings, Point3 first, Point3 last) {
    if (rings.empty() || rings.front().points.size() < 3)
        throw std::invalid_argument("a loft needs rings of three points or more");
    const int segments = int(rings.front().points.size());
    MeshBuilder m;
    const double count = double(rings.size() + 1);
    const std::uint32_t start = m.AddVertex(Vertex(first.x, first.y, first.z, 0.5, 0));
    // The first and last copy of each ring: the faces below use the first,
    // the faces above the last.
    std::vector<std::uint32_t> below, above;
    for (std::size_t j = 0; j < rings.size(); ++j) {
        if (int(rings[j].points.size()) != segments)
            throw std::invalid_argument("loft rings differ in size");
        const double v = double(j + 1) / count;
        const int copies = rings[j].crease ? 2 : 1;
        for (int copy = 0; copy < copies; ++copy) {
            const auto base = std::uint32_t(m.vertices.size());
            for (int k = 0; k < segments; ++k) {
                const Point3& p = rings[j].points[std::size_t(k)];
                m.AddVertex(Vertex(p.x, p.y, p.z, 1 - std::abs(1 - 2.0 * k / segments), v));
            }
            if (copy == 0) below.push_back(base);
            if (copy == copies - 1) above.push_back(base);
        }
    }
    const std::uint32_t end = m.AddVertex(Vertex(last.x, last.y, last.z, 0.5, 1));
    const auto at = [segments](std::uint32_t base, int k) {
        return base + std::uint32_t(k % segments);
    };
    for (int k = 0; k < segments; ++k) {
        m.AddTriangle(start, at(below.front(), k + 1), at(below.front(), k));
        for (std::size_t j = 0; j + 1 < rings.size(); ++j)
            AddQuad(m, at(above[j], k), at(above[j], k + 1), at(below[j + 1], k + 1),
                    at(below[j + 1], k));
        m.AddTriangle(end, at(above.back(), k), at(above.back(), k + 1));
    }
    WindOutwards(m);
    return m;
}

void WindOutwards(MeshBuilder& mesh) {
    if (SignedVolume6(mesh) < 0)
        for (face_t& f : mesh.faces) std::swap(f.b, f.c);
}

MeshBuilder RingSector(double r0, double r1, double z0, double z1, double a0, double a1,
                       int steps) {
    MeshBuilder m;
    auto at = [&](double r, double z, double deg) {
        const double a = deg * kPi / 180;
        return Vertex(r * std::cos(a), r * std::sin(a), z, (deg - a0) / (a1 - a0),
                      (z - z0) / (z1 - z0) * 0.2 + 0.8);
    };
    // Curved faces (outer, inner) and flat ones (top, bottom): strips along the angle.
    struct Strip {
        double ra, za, rb, zb;
    };
    const Strip strips[] = {{r1, z0, r1, z1}, {r1, z1, r0, z1}, {r0, z1, r0, z0}, {r0, z0, r1, z0}};
    for (const Strip& s : strips) {
        const auto base = std::uint32_t(m.vertices.size());
        for (int i = 0; i <= steps; ++i) {
            const double deg = a0 + (a1 - a0) * i / steps;
            m.AddVertex(at(s.ra, s.za, deg));
            m.AddVertex(at(s.rb, s.zb, deg));
        }
        for (int i = 0; i < steps; ++i) {
            const std::uint32_t a = base + 2 * i;
            AddQuad(m, a, a + 2, a + 3, a + 1);
        }
    }
    for (double deg : {a0, a1}) {
        const auto base = std::uint32_t(m.vertices.size());
        m.AddVertex(at(r0, z0, deg));
        m.AddVertex(at(r1, z0, deg));
        m.AddVertex(at(r1, z1, deg));
        m.AddVertex(at(r0, z1, deg));
        if (deg == a0)
            AddQuad(m, base, base + 1, base + 2, base + 3);
        else
            AddQuad(m, base, base + 3, base + 2, base + 1);
    }
    return m;
}

MeshBuilder ExtrudeOutline(const std::vector<Point2>& outline, const ExtrudeFrame& frame,
                           const std::function<double(double s, double z)>& halfThickness,
                           double bevel, int bevelSteps) {
    const int n = int(outline.size());
    const std::vector<Point2> miter = MiterDirections(outline);
    const std::vector<double> extra = InnerRingExtra(outline, miter, bevel);
    double sMin = 1e9, sMax = -1e9, zMin = 1e9, zMax = -1e9;
    for (const Point2& p : outline) {
        sMin = std::min(sMin, p.x), sMax = std::max(sMax, p.x);
        zMin = std::min(zMin, p.y), zMax = std::max(zMax, p.y);
    }
    const double span = std::max(sMax - sMin, zMax - zMin);
    const double wx = frame.sy, wy = -frame.sx; // s x up = w, a right-handed frame

    MeshBuilder m;
    // Rings from the front face round to the back: first a ring set in from
    // the rounded edge, so the long triangles of the flat face carry only its
    // own normal, then the quarter-round steps of the edge, and the same again
    // mirrored on the back.
    const int edgeRings = bevelSteps + 1, layers = 2 * (edgeRings + 1);
    std::vector<Point2> capOutline(n);
    for (int l = 0; l < layers; ++l) {
        const bool front = l < layers / 2;
        const int k = front ? l : layers - 1 - l; // 0 is the ring inside the face
        const double phi = kPi / 2 * std::max(0, k - 1) / bevelSteps;
        const double drop = bevel * (1 - std::cos(phi));
        for (int i = 0; i < n; ++i) {
            const double inset = k == 0 ? bevel + extra[i] : bevel * (1 - std::sin(phi));
            const double s = outline[i].x - inset * miter[i].x;
            const double z = outline[i].y - inset * miter[i].y;
            if (l == 0) capOutline[i] = {s, z};
            const double w = (halfThickness(s, z) - drop) * (front ? 1 : -1);
            m.AddVertex(Vertex(frame.ox + s * frame.sx + w * wx, frame.oy + s * frame.sy + w * wy,
                               z, (s - sMin) / span, (z - zMin) / span));
        }
    }
    auto index = [&](int l, int i) { return std::uint32_t(l * n + (i % n)); };
    for (int l = 0; l + 1 < layers; ++l)
        for (int i = 0; i < n; ++i)
            AddQuad(m, index(l, i + 1), index(l, i), index(l + 1, i), index(l + 1, i + 1));
    const auto cap = Triangulate({capOutline});
    if (cap.triangles.size() + 2 != capOutline.size())
        throw std::runtime_error(
            "cap leaves out outline points: " + std::to_string(cap.triangles.size() + 2) + " of " +
            std::to_string(capOutline.size()));
    for (const auto& t : cap.triangles) {
        m.AddTriangle(index(0, t[0]), index(0, t[1]), index(0, t[2]));
        m.AddTriangle(index(layers - 1, t[0]), index(layers - 1, t[2]), index(layers - 1, t[1]));
    }
    if (SignedVolume6(m) <= 0) throw std::runtime_error("extrusion winds inwards");
    return m;
}
