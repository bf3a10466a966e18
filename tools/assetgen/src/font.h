#pragma once

#include "shapes.h"

#include <string>

namespace assetgen {

// Distance to a line of text in a round stroke font; `origin` is the left end of the
// baseline, `height` the height of a capital. Knows the letters of the title.
float textDistance(const std::string& text, Vec2 p, Vec2 origin, float height, float weight);
float textWidth(const std::string& text, float height);

} // namespace assetgen
