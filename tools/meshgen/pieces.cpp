#include "pieces.h"

#include "clip.h"
#include "profile.h"
#include "solids.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

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
    // One tube from the sole up the neck, over the poll and out to the
    // muzzle, then ears and eyes. It faces the board's (-x, +y) diagonal:
    // s runs that way, the lateral axis across it, z up.
    const double d = 1 / std::sqrt(2.0);
    const Point3 forward{-d, d, 0}, lateral{d, d, 0};
    const auto place = [&](double s, double l, double z) {
        return Point3{s * forward.x + l * lateral.x, s * forward.y + l * lateral.y, z};
    };
    // A cross-section: its centre (s, z), the tilt of its plane from level
    // towards the muzzle (degrees), its half width across and its half depth
    // in the (s, z) plane, deeper behind by `mane` (the crest of the neck).
    struct Section {
        double s, z, tilt, width, depth, mane;
        bool crease;
    };
    const Section sections[] = {
        // The foot: sole, plinth, moulding and bead, level and round.
        {0, 0, 0, 0.212, 0.212, 0, true},
        {0, 0.035, 0, 0.212, 0.212, 0, true},
        {0, 0.07, 0, 0.2, 0.2, 0, false},
        {0, 0.095, 0, 0.17, 0.17, 0, false},
        {0, 0.112, 0, 0.142, 0.142, 0, false},
        {0, 0.13, 0, 0.128, 0.128, 0, false},
        {0, 0.15, 0, 0.136, 0.136, 0, false},
        {0, 0.17, 0, 0.13, 0.13, 0, true},
        // The neck widens into the base and carries the mane up its back.
        {0, 0.19, 0, 0.125, 0.13, 0, true},
        {0.005, 0.25, 4, 0.112, 0.135, 0.01, false},
        {0.01, 0.34, 6, 0.102, 0.13, 0.025, false},
        {0.012, 0.44, 6, 0.095, 0.122, 0.038, false},
        {0.016, 0.54, 8, 0.09, 0.115, 0.045, false},
        {0.026, 0.64, 14, 0.086, 0.11, 0.045, false},
        {0.045, 0.73, 26, 0.084, 0.106, 0.04, false},
        {0.075, 0.81, 48, 0.084, 0.104, 0.028, false},
        {0.115, 0.855, 78, 0.084, 0.104, 0.012, false},
        // The head, turning forward and down to the muzzle.
        {0.16, 0.86, 105, 0.082, 0.1, 0, false},
        {0.205, 0.835, 118, 0.077, 0.092, 0, false},
        {0.245, 0.8, 124, 0.071, 0.084, 0, false},
        {0.28, 0.765, 127, 0.066, 0.077, 0, false},
        {0.31, 0.735, 128, 0.063, 0.072, 0, false},
        {0.335, 0.712, 128, 0.06, 0.066, 0, true},
        {0.353, 0.696, 128, 0.053, 0.057, 0, false},
        {0.366, 0.685, 128, 0.042, 0.045, 0, false},
        {0.374, 0.678, 128, 0.028, 0.03, 0, false},
        {0.378, 0.675, 128, 0.013, 0.014, 0, false},
    };
    constexpr int kRound = 48;
    std::vector<LoftRing> rings;
    for (const Section& c : sections) {
        const double t = c.tilt * kPi / 180;
        // In the (s, z) plane: the section's own "front" (down for the head).
        const double ns = std::cos(t), nz = -std::sin(t);
        LoftRing ring;
        ring.crease = c.crease;
        for (int k = 0; k < kRound; ++k) {
            const double a = 2 * kPi * k / kRound, across = c.width * std::cos(a);
            const double sine = std::sin(a);
            const double behind = sine < 0 ? c.mane * sine * sine : 0;
            const double in = sine * c.depth - behind;
            ring.points.push_back(place(c.s + in * ns, across, c.z + in * nz));
        }
        rings.push_back(std::move(ring));
    }
    MeshBuilder m = Loft(rings, place(0, 0, 0), place(0.386, 0, 0.669));

    // Ears on the poll, leaning back and a little apart, their tips the
    // piece's highest points.
    const double earTop = 1.132;
    for (double side : {1.0, -1.0}) {
        Profile p;
        p.LineTo(0.03, 0).LineTo(0.028, 0.07).LineTo(0.015, 0.14).LineTo(0, 0.18);
        MeshBuilder ear = Revolve(p, 7);
        const double lean = -0.35, spread = 0.22 * side, cl = std::cos(lean), sl = std::sin(lean);
        const double cs = std::cos(spread), ss = std::sin(spread);
        double highest = -1;
        for (vert_t& v : ear.vertices) {
            // Flatten across, lean back (towards -s) and out; x is s, y across.
            const double s0 = v.x, l0 = v.y * 0.7, z0 = v.z;
            const double s1 = s0 * cl + z0 * sl, z1 = -s0 * sl + z0 * cl;
            const double l2 = l0 * cs + z1 * ss, z2 = -l0 * ss + z1 * cs;
            const Point3 q = place(0.1 + s1, 0.042 * side + l2, z2);
            v.x = float(q.x), v.y = float(q.y), v.z = float(q.z);
            highest = std::max(highest, q.z);
        }
        ear.Translate(0, 0, earTop - highest);
        WindOutwards(ear); // placing it turned it inside out
        m.Append(ear);
    }
    // Eyes, set into either side of the head.
    for (double side : {1.0, -1.0}) {
        const Point3 c = place(0.19, 0.07 * side, 0.89);
        m.Append(Sphere(c.x, c.y, c.z, 0.022, 2, 6));
    }
    if (m.vertices.size() != 1644 || m.faces.size() != 2804)
        throw std::logic_error("the knight must have 1644 vertices and 2804 triangles, not " +
                               std::to_string(m.vertices.size()) + " and " +
                               std::to_string(m.faces.size()));
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
