#include "output.h"
#include "textures.h"

namespace assetgen {

bool writeTextures(const Output& out) {
    bool ok = writeBmp24(makeWood(512), out.file("assets/data/Textures/wood.bmp"));
    ok = writeBmp24(makeMarble(512), out.file("assets/data/Textures/board.bmp")) && ok;
    return ok;
}

} // namespace assetgen
