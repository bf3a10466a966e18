#pragma once

#include "mesh_builder.h"
#include "profile.h"
#include "triangulate.h"

#include <functional>

// The profile turned about z in `segments` steps. The profile is read as a
// closed loop (its ends lie on the axis), so every ring has `segments`
// vertices and every profile edge, the closing one along the axis included,
// gives 2 * segments triangles. The wood's u runs 0..1..0 around, so the
// seam needs no duplicate vertices; v follows the profile's length.
MeshBuilder Revolve(const Profile& profile, int segments);

// Turns every face over when the mesh encloses a negative volume.
void WindOutwards(MeshBuilder& mesh);

MeshBuilder Sphere(double cx, double cy, double cz, double radius, int rings, int segments);

// A tube through rings of equally many points, closed at either end by a
// pole. A creased ring is repeated, so the surfaces on either side of it get
// their own normals. R rings (c creased) of S points: (R + c) * S + 2
// vertices and 2 * S * R triangles. Wound outwards whichever way the rings
// turn; u runs 0..1..0 around, v along the rings.
struct Point3 {
    double x, y, z;
};
struct LoftRing {
    std::vector<Point3> points;
    bool crease = false;
};
MeshBuilder Loft(const std::vector<LoftRing>& rings, Point3 first, Point3 last);

// A block of a ring, r0..r1, z0..z1, angles a0..a1 (degrees), sharp edged.
MeshBuilder RingSector(double r0, double r1, double z0, double z1, double a0, double a1, int steps);

// A flat outline standing in a vertical plane, thickened on both sides with
// rounded edges. The outline (counter-clockwise in (s, z)) is placed with s
// along `sAxis` (a horizontal unit vector); halfThickness(s, z) gives the
// half width at each outline point, bevel the radius of the rounded edges.
struct ExtrudeFrame {
    double sx, sy;         // s axis in the board plane
    double ox = 0, oy = 0; // where s = 0 lies
};
MeshBuilder ExtrudeOutline(const std::vector<Point2>& outline, const ExtrudeFrame& frame,
                           const std::function<double(double s, double z)>& halfThickness,
                           double bevel, int bevelSteps);
