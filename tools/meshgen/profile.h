#pragma once

#include <vector>

// A piece's half cross-section in the (radius, height) plane, from the centre
// of its base out, up the side and back to the axis at the top.
struct ProfilePoint {
    double r, z;
};

class Profile {
public:
    explicit Profile(double r = 0, double z = 0) { points_.push_back({r, z}); }

    Profile& LineTo(double r, double z, int steps = 1);
    // Cubic Bezier from the current point through two control points.
    Profile& CurveTo(ProfilePoint c1, ProfilePoint c2, ProfilePoint end, int steps);
    // Circular arc about (cr, cz), angles in degrees measured from +r.
    Profile& Arc(double cr, double cz, double radius, double fromDeg, double toDeg, int steps);
    // Repeats the current point: the surfaces on either side get their own
    // normals, so the edge stays sharp.
    Profile& Crease();

    const std::vector<ProfilePoint>& Points() const { return points_; }

private:
    void Append(double r, double z);

    std::vector<ProfilePoint> points_;
};
