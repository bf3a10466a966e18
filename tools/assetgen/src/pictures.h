#pragma once

#include "output.h"

namespace assetgen {

bool writePiecePictures(const Output& out);
bool writeToolbar(const Output& out);
bool writeSplash(const Output& out);
bool writeAppIcons(const Output& out);

} // namespace assetgen
