#pragma once

#include "mesh_builder.h"

// The points with a*x + b*y + c*z + d <= 0.
struct HalfSpace {
    double a, b, c, d;
};

// The part of a closed mesh inside the half space, closed again with a flat
// cap on the cut (its own vertices, so the cut edge stays sharp).
MeshBuilder ClipToHalfSpace(const MeshBuilder& mesh, const HalfSpace& keep);
