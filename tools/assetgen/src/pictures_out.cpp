#include "pictures.h"
#include "pieces2d.h"

namespace assetgen {

bool writePiecePictures(const Output& out) {
    struct Entry {
        Piece piece;
        const char* name;
    };
    static constexpr Entry kChoices[] = {{Piece::Knight, "knight"},
                                         {Piece::Bishop, "bishop"},
                                         {Piece::Rook, "rook"},
                                         {Piece::Queen, "queen"}};
    const Vec3 blue{0, 0, 1};
    bool ok = true;
    for (Side side : {Side::White, Side::Black})
        for (const Entry& e : kChoices) {
            const std::string name = std::string("resources/pieces/") +
                                     (side == Side::White ? "white_" : "black_") + e.name + ".bmp";
            ok = writeBmp24(drawPiece(e.piece, side, 40, &blue), out.file(name)) && ok;
        }
    return ok;
}

bool writePictures(const Output& out) {
    bool ok = writePiecePictures(out);
    ok = writeToolbar(out) && ok;
    ok = writeSplash(out) && ok;
    return writeAppIcons(out) && ok;
}

} // namespace assetgen
