#include "render/embedded_meshes.h"

namespace {

const MeshTable kNoTable{};

const MeshTable& Table(int id, int first, int count) {
    return id >= 0 && id < count ? kEmbeddedMeshes[first + id] : kNoTable;
}

} // namespace

const MeshTable& PieceTable(int type) {
    // Types run pawn, knight, bishop, rook, queen, king; the data keeps the knight last.
    static constexpr int kTableOfType[] = {kPawnTable, kKnightTable, kBishopTable,
                                           kRookTable, kQueenTable,  kKingTable};
    return type >= 1 && type <= 6 ? kEmbeddedMeshes[kTableOfType[type - 1]] : kNoTable;
}

const MeshTable& ShadowTable() {
    return kEmbeddedMeshes[kShadowTable];
}
const MeshTable& LetterGlyph(int n) {
    return Table(n, kFirstLetterGlyph, 8);
}
const MeshTable& DigitGlyph(int n) {
    return Table(n, kFirstDigitGlyph, 8);
}
