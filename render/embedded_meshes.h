#pragma once

#include "render/mesh.h"

#include <cstdint>

// A mesh carried in the program's data: vertices and triangles exactly as
// vert_t and face_t records.
struct MeshTable {
    const vert_t* vertices = nullptr;
    std::uint32_t vertexCount = 0;
    const face_t* faces = nullptr;
    std::uint32_t faceCount = 0;
};

// The tables in the order they lie in the data.
enum EmbeddedMesh : int {
    kPawnTable,
    kRookTable,
    kBishopTable,
    kQueenTable,
    kKingTable,
    kKnightTable,
    kShadowTable,
    kFirstLetterGlyph,                        // A..H
    kFirstDigitGlyph = kFirstLetterGlyph + 8, // 1..8
    kEmbeddedMeshCount = kFirstDigitGlyph + 8
};

extern const MeshTable kEmbeddedMeshes[kEmbeddedMeshCount];

// The table of figure type 1 (pawn) to 6 (king); other types get an empty table.
const MeshTable& PieceTable(int type);
const MeshTable& ShadowTable();
// Glyph n (0..7) of the file letters A..H and of the rank digits 1..8;
// other n get an empty table.
const MeshTable& LetterGlyph(int n);
const MeshTable& DigitGlyph(int n);
