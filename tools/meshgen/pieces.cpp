#include "pieces.h"

#include "clip.h"
#include "profile.h"
#include "solids.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSegments = 48;

// The foot every piece but the pawn stands on: a flat sole with a sharp
// edge, a rounded torus moulding, a cove and a small bead. Ends at (r, z).
Profile Foot(double radius, double scale) {
    const double s = scale;
    Profile p;
    p.LineTo(radius, 0, 3).Crease();
    p.LineTo(radius, 0.035 * s);
    p.CurveTo({radius, 0.075 * s}, {radius - 0.01, 0.09 * s}, {radius - 0.045, 0.1 * s}, 5);
    p.CurveTo({radius - 0.07, 0.106 * s}, {radius - 0.085, 0.115 * s}, {radius - 0.085, 0.13 * s},
              3);
    p.Arc(radius - 0.083, 0.147 * s, 0.017 * s, -90, 90, 5);
    return p;
}

MeshBuilder Checked(MeshBuilder m) {
    if (SignedVolume6(m) <= 0) throw std::runtime_error("piece winds inwards");
    return m;
}

} // namespace

MeshBuilder PawnMesh() {
    // 19 profile points by 32 segments: 608 vertices, 1216 triangles.
    Profile p;
    p.LineTo(0.217, 0).Crease();
    p.LineTo(0.217, 0.035);
    p.LineTo(0.207, 0.062);
    p.LineTo(0.176, 0.078);
    p.LineTo(0.143, 0.098);
    p.LineTo(0.118, 0.15);
    p.LineTo(0.097, 0.27);
    p.LineTo(0.094, 0.305);
    p.LineTo(0.142, 0.322);
    p.LineTo(0.142, 0.345);
    p.LineTo(0.078, 0.368);
    const double cz = 0.47, r = 0.126;
    for (double deg : {-36.0, -6.0, 24.0, 51.0, 75.0})
        p.LineTo(r * std::cos(deg * kPi / 180), cz + r * std::sin(deg * kPi / 180));
    p.LineTo(0, cz + r);
    if (p.Points().size() != 19) throw std::logic_error("pawn profile must have 19 points");
    return Checked(Revolve(p, 32));
}

MeshBuilder BishopMesh() {
    Profile p = Foot(0.218, 1.0);
    p.CurveTo({0.12, 0.3}, {0.075, 0.5}, {0.07, 0.62}, 8);
    p.CurveTo({0.1, 0.63}, {0.135, 0.64}, {0.138, 0.655}, 3).Crease();
    p.LineTo(0.138, 0.672).Crease();
    p.CurveTo({0.12, 0.68}, {0.1, 0.685}, {0.095, 0.69}, 2);
    p.Arc(0.095, 0.7, 0.01, -90, 90, 2);
    p.LineTo(0.078, 0.716);
    p.LineTo(0, 0.716);
    MeshBuilder m = Revolve(p, kSegments);
    // The mitre, with its slit: a slab slanting down towards +x, cut in from
    // the front to just past the axis.
    Profile mitre(0, 0.712);
    mitre.LineTo(0.077, 0.712);
    mitre.CurveTo({0.13, 0.75}, {0.14, 0.86}, {0.11, 0.95}, 10);
    mitre.CurveTo({0.09, 1.01}, {0.05, 1.05}, {0.018, 1.082}, 5);
    mitre.LineTo(0, 1.086);
    const MeshBuilder whole = Revolve(mitre, kSegments);
    const double tilt = 38 * kPi / 180, nx = std::sin(tilt), nz = std::cos(tilt);
    const double cx = 0.02, cz = 0.955, halfWidth = 0.011, back = -0.012;
    const double offset = nx * cx + nz * cz;
    m.Append(ClipToHalfSpace(whole, {-nx, 0, -nz, offset + halfWidth}));
    m.Append(ClipToHalfSpace(whole, {nx, 0, nz, -offset + halfWidth}));
    MeshBuilder core = ClipToHalfSpace(whole, {1, 0, 0, -back});
    core = ClipToHalfSpace(core, {nx, 0, nz, -offset - halfWidth});
    m.Append(ClipToHalfSpace(core, {-nx, 0, -nz, offset - halfWidth}));
    m.Append(Sphere(0, 0, 1.134, 0.057, 8, 24));
    return Checked(m);
}

MeshBuilder RookMesh() {
    const double top = 0.883, rim = 0.8, outer = 0.2, inner = 0.135, floor = 0.74;
    Profile p = Foot(0.219, 1.0);
    p.CurveTo({0.14, 0.25}, {0.125, 0.45}, {0.13, 0.58}, 6);
    p.CurveTo({0.145, 0.62}, {0.19, 0.63}, {0.2, 0.645}, 3).Crease();
    p.LineTo(0.2, 0.662).Crease();
    p.LineTo(0.17, 0.675);
    p.CurveTo({0.185, 0.7}, {outer, 0.72}, {outer, 0.74}, 3);
    p.LineTo(outer, rim).Crease();
    p.LineTo(inner, rim).Crease();
    p.LineTo(inner, floor).Crease();
    p.LineTo(0, floor);
    MeshBuilder m = Revolve(p, kSegments);
    // Six merlons with the embrasures between them.
    for (int i = 0; i < 6; ++i)
        m.Append(RingSector(inner, outer, rim, top, i * 60 + 10, i * 60 + 46, 6));
    return Checked(m);
}

MeshBuilder QueenMesh() {
    Profile p = Foot(0.216, 1.05);
    p.CurveTo({0.13, 0.32}, {0.08, 0.6}, {0.075, 0.76}, 9);
    p.CurveTo({0.1, 0.77}, {0.13, 0.78}, {0.135, 0.795}, 3).Crease();
    p.LineTo(0.135, 0.81).Crease();
    p.CurveTo({0.11, 0.82}, {0.095, 0.825}, {0.09, 0.83}, 2);
    p.Arc(0.092, 0.84, 0.01, -90, 90, 2);
    p.LineTo(0.082, 0.855);
    p.CurveTo({0.095, 0.95}, {0.13, 1.05}, {0.158, 1.13}, 8).Crease();
    p.CurveTo({0.13, 1.13}, {0.11, 1.13}, {0.1, 1.14}, 2);
    p.CurveTo({0.085, 1.19}, {0.04, 1.215}, {0.02, 1.22}, 4);
    p.Arc(0, 1.272, 0.045, -65, 90, 6);
    MeshBuilder m = Revolve(p, kSegments);
    // The coronet: a ring of beads on the rim of the cup.
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * kPi * (i + 0.5) / 9;
        m.Append(Sphere(0.148 * std::cos(a), 0.148 * std::sin(a), 1.145, 0.026, 6, 10));
    }
    return Checked(m);
}

MeshBuilder KingMesh() {
    Profile p = Foot(0.212, 1.1);
    p.CurveTo({0.13, 0.35}, {0.085, 0.65}, {0.08, 0.84}, 9);
    p.CurveTo({0.105, 0.85}, {0.135, 0.86}, {0.14, 0.875}, 3).Crease();
    p.LineTo(0.14, 0.89).Crease();
    p.CurveTo({0.115, 0.9}, {0.1, 0.905}, {0.094, 0.91}, 2);
    p.Arc(0.096, 0.92, 0.01, -90, 90, 2);
    p.LineTo(0.086, 0.935);
    p.CurveTo({0.1, 1.03}, {0.14, 1.12}, {0.152, 1.19}, 7).Crease();
    p.LineTo(0.152, 1.205).Crease();
    p.CurveTo({0.12, 1.25}, {0.06, 1.262}, {0.04, 1.265}, 4);
    p.LineTo(0.04, 1.285);
    p.LineTo(0, 1.285);
    MeshBuilder m = Revolve(p, kSegments);
    // The cross, standing across the board's x axis.
    const double w = 0.032, arm = 0.1, bar = 0.03, mid = 1.405, top = 1.494, foot = 1.27;
    const std::vector<Point2> cross = {{-w, foot},        {w, foot},         {w, mid - bar},
                                       {arm, mid - bar},  {arm, mid + bar},  {w, mid + bar},
                                       {w, top},          {-w, top},         {-w, mid + bar},
                                       {-arm, mid + bar}, {-arm, mid - bar}, {-w, mid - bar}};
    m.Append(ExtrudeOutline(
        cross, {1, 0}, [](double, double) { return 0.034; }, 0.012, 3));
    return Checked(m);
}

MeshBuilder KnightMesh() {
    // The horse's head faces the board's (-x, +y) diagonal.
    Profile foot = Foot(0.212, 1.0);
    foot.CurveTo({0.11, 0.18}, {0.1, 0.19}, {0.08, 0.2}, 2);
    foot.LineTo(0, 0.2);
    MeshBuilder m = Revolve(foot, kSegments);
    // Side view: s runs from the mane (-) to the muzzle (+), z up;
    // counter-clockwise from the back of the base. The mane's locks are the
    // waves down the back, the mouth the dip in the muzzle.
    const std::vector<Point2> design = {
        {-0.17, 0.15},  {0.0, 0.15},     {0.16, 0.15},  {0.19, 0.25},   {0.18, 0.36},
        {0.14, 0.46},   {0.13, 0.52},    {0.16, 0.57},  {0.24, 0.6},    {0.31, 0.61},
        {0.36, 0.63},   {0.39, 0.67},    {0.39, 0.72},  {0.37, 0.76},   {0.32, 0.8},
        {0.26, 0.85},   {0.2, 0.91},     {0.16, 0.96},  {0.14, 1.02},   {0.135, 1.08},
        {0.125, 1.15},  {0.095, 1.165},  {0.065, 1.1},  {0.04, 1.06},   {0.0, 1.05},
        {-0.06, 1.025}, {-0.095, 0.975}, {-0.13, 0.96}, {-0.15, 0.91},  {-0.18, 0.88},
        {-0.185, 0.83}, {-0.205, 0.79},  {-0.2, 0.74},  {-0.215, 0.68}, {-0.205, 0.63},
        {-0.215, 0.56}, {-0.205, 0.44},  {-0.2, 0.32},  {-0.19, 0.22}};
    // Smooth the design (Chaikin, two rounds), keeping it closed, then stretch
    // it up so the ear's rounded tip still reaches the piece's full height.
    std::vector<Point2> outline = design;
    for (int round = 0; round < 2; ++round) {
        std::vector<Point2> finer;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const Point2 a = outline[i], b = outline[(i + 1) % outline.size()];
            finer.push_back({0.75 * a.x + 0.25 * b.x, 0.75 * a.y + 0.25 * b.y});
            finer.push_back({0.25 * a.x + 0.75 * b.x, 0.25 * a.y + 0.75 * b.y});
        }
        outline = std::move(finer);
    }
    double highest = 0;
    for (const Point2& p : outline) highest = std::max(highest, p.y);
    for (Point2& p : outline) p.y = 0.15 + (p.y - 0.15) * (1.132 - 0.15) / (highest - 0.15);
    const double d = 1 / std::sqrt(2.0);
    // Linear in s and z, so each side stays flat and shades evenly: the head
    // narrows towards the muzzle and the ears.
    const auto halfThickness = [](double s, double z) {
        return 0.09 - 0.07 * s - 0.02 * (z - 0.6);
    };
    m.Append(ExtrudeOutline(outline, {-d, d}, halfThickness, 0.02, 4));
    // Eyes, set into either cheek.
    for (double side : {1.0, -1.0}) {
        const double s = 0.165, z = 0.87, w = side * (halfThickness(s, z) - 0.012);
        m.Append(Sphere(-s * d + w * d, s * d + w * d, z, 0.03, 5, 10));
    }
    return Checked(m);
}

MeshBuilder ShadowMesh() {
    // Two discs and the band between them, as a centre, an inner ring and
    // the rim: 99 vertices, 128 triangles.
    const double r0 = 0.215, r1 = 0.211, ex = 0.185, ey = -0.16;
    const double along = std::atan2(ey, ex), mx = ex / 2, my = ey / 2;
    MeshBuilder m;
    auto add = [&](double x, double y) {
        return m.AddVertex(
            {float(x), float(y), 0, float((x + 0.215) / 0.611), float((y + 0.371) / 0.586), 0});
    };
    // Point i of n on the outline, drawn in towards the middle by `scale`.
    auto ring = [&](int n, double scale) {
        std::vector<std::uint32_t> ids;
        const int half = n / 2;
        for (int i = 0; i < n; ++i) {
            const bool far = i < half;
            const double a = along + (far ? -kPi / 2 : kPi / 2) + kPi * (i % half) / (half - 1);
            const double x = (far ? ex : 0) + (far ? r1 : r0) * std::cos(a);
            const double y = (far ? ey : 0) + (far ? r1 : r0) * std::sin(a);
            ids.push_back(add(mx + scale * (x - mx), my + scale * (y - my)));
        }
        return ids;
    };
    const std::uint32_t centre = add(mx, my);
    const auto inner = ring(30, 0.5), outer = ring(68, 1.0);
    for (std::size_t i = 0; i < inner.size(); ++i)
        m.AddTriangle(centre, inner[i], inner[(i + 1) % inner.size()]);
    // Zip the rings together, advancing whichever lags behind.
    std::size_t i = 0, o = 0;
    while (i < inner.size() || o < outer.size()) {
        const double ti = double(i + 1) / inner.size(), to = double(o + 1) / outer.size();
        if (o < outer.size() && (to <= ti || i == inner.size())) {
            m.AddTriangle(inner[i % inner.size()], outer[o], outer[(o + 1) % outer.size()]);
            ++o;
        } else {
            m.AddTriangle(inner[i], outer[o % outer.size()], inner[(i + 1) % inner.size()]);
            ++i;
        }
    }
    return m;
}
