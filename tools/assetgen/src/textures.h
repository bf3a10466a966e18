#pragma once

#include "image.h"

namespace assetgen {

// Warm, light wood with the grain running down the picture: the pieces' texture.
Image makeWood(int size);
// Pale veined marble: each dark square shows the whole picture, tinted by its colour.
Image makeMarble(int size);

} // namespace assetgen
