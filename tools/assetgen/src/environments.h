#pragma once

#include "sky.h"

namespace assetgen {

Vec3 clearDaySky(Vec3 d);
Vec3 sunsetSky(Vec3 d);
Vec3 starryNightSky(Vec3 d);

struct Environment {
    const char* folder;
    SkyFunction sky;
    Vec3 previewForward; // where the chooser's preview looks
};

// Listed in the order of their folder names, so Sky Number 0 is the clear day.
extern const Environment kEnvironments[3];

} // namespace assetgen
