#pragma once

#include "image.h"

#include <functional>

namespace assetgen {

// Colour seen in a direction of the sky frame: z up, the board's plane z = 0; +y is where the
// default camera looks.
using SkyFunction = std::function<Vec3(Vec3 direction)>;

// One face of the sky shell in its own (table) frame, where y is up: the face centre and the
// directions in which the texture coordinates u and v grow.
struct SkyFace {
    const char* name;
    Vec3 centre, uAxis, vAxis;
};

extern const SkyFace kSkyFaces[6];

// The drawing turns the shell by a quarter turn about x, so table y becomes world z.
Vec3 tableToSky(Vec3 table);

// Direction of the texel at column x, row y (row 0 at the top of the JPEG picture).
Vec3 faceTexelDirection(const SkyFace& face, float x, float y, int size);

Image renderFace(const SkyFace& face, int size, const SkyFunction& sky, int samples);
// A small perspective view of the sky towards `forward`, for the environment chooser.
Image renderPreview(Vec3 forward, int size, float fieldOfView, const SkyFunction& sky);

} // namespace assetgen
