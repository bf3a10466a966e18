#pragma once

#include "mesh_builder.h"
#include "shapes.h"

#include <string>

// The outline of a bold letter A-H or digit 1-8, one unit high from y = 0.
Shape GlyphShape(char glyph);

// The glyph filled with triangles, `height` high along +y from y = 0, centred
// on x = 0, in the plane z = 0.
MeshBuilder GlyphMesh(char glyph, double height);
