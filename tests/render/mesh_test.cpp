#include "render/board_grid.h"
#include "render/embedded_meshes.h"
#include "render/geometry/vector.h"
#include "render/piece_meshes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

vert_t At(float x, float y, float z) {
    return {x, y, z, 0, 0, 0};
}

TEST(ComputeNormals, CounterClockwiseFacesPointOutwardsAtThreeQuarterLength) {
    Array<vert_t> vertices;
    for (const vert_t& v : {At(0, 0, 0), At(1, 0, 0), At(0, 1, 0), At(5, 5, 5)}) vertices.Add(v);
    Array<face_t> faces;
    faces.Add({0, 1, 2});
    Array<point3d> normals;
    ComputeNormals(faces, vertices, normals);
    ASSERT_EQ(normals.Size(), 4);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(normals[i], (point3d{0, 0, 0.75f}));
    EXPECT_EQ(normals[3], (point3d{0, 0, 0})); // used by no face
}

TEST(ComputeNormals, SumsUnitFaceNormalsWithoutAreaWeights) {
    // A big face up and a tiny face along +x share vertex 0: the unweighted
    // sum points halfway between them.
    Array<vert_t> vertices;
    for (const vert_t& v :
         {At(0, 0, 0), At(10, 0, 0), At(0, 10, 0), At(0, 0.01f, 0), At(0, 0, 0.01f)})
        vertices.Add(v);
    Array<face_t> faces;
    faces.Add({0, 1, 2});
    faces.Add({0, 3, 4});
    faces.Add({0, 9, 2}); // names a vertex outside the mesh: ignored
    Array<point3d> normals;
    ComputeNormals(faces, vertices, normals);
    EXPECT_NEAR(normals[0].x, 0.75f / std::sqrt(2.0f), 1e-6);
    EXPECT_NEAR(normals[0].z, 0.75f / std::sqrt(2.0f), 1e-6);
    EXPECT_EQ(normals[7], (point3d{})); // spare
}

// A tetrahedron wound outwards, its last corner given twice as a texture
// seam splits it: faces 2 and 3 use the copy.
CMesh Tetrahedron(bool seam, bool inwards = false) {
    CMesh mesh;
    for (const vert_t& v : {At(0, 0, 0), At(1, 0, 0), At(0, 1, 0), At(0, 0, 1), At(0, 0, 1)})
        mesh.vertices.Add(v);
    const std::uint32_t top2 = seam ? 4 : 3;
    for (face_t f : {face_t{0, 2, 1}, face_t{0, 1, 3}, face_t{1, 2, top2}, face_t{2, 0, top2}}) {
        if (inwards) std::swap(f.b, f.c);
        mesh.faces.Add(f);
    }
    return mesh;
}

TEST(IsClosedOutward, JoinsTextureSeamsOnlyByPosition) {
    EXPECT_TRUE(IsClosedOutward(Tetrahedron(false), EdgeMatch::ByIndex));
    EXPECT_TRUE(IsClosedOutward(Tetrahedron(false), EdgeMatch::ByPosition));
    EXPECT_FALSE(IsClosedOutward(Tetrahedron(true), EdgeMatch::ByIndex));
    EXPECT_TRUE(IsClosedOutward(Tetrahedron(true), EdgeMatch::ByPosition));
    for (EdgeMatch match : {EdgeMatch::ByIndex, EdgeMatch::ByPosition})
        EXPECT_FALSE(IsClosedOutward(Tetrahedron(false, true), match)) << "wound inwards";

    CMesh open = Tetrahedron(false);
    open.faces.RemoveAt(3);
    EXPECT_FALSE(IsClosedOutward(open, EdgeMatch::ByPosition));
    open.faces.Add({2, 0, 7}); // a corner outside the mesh
    EXPECT_FALSE(IsClosedOutward(open, EdgeMatch::ByPosition));
}

// Every piece is a closed surface, so its back faces may always be culled.
TEST(IsClosedOutward, EveryPieceOnceItsSeamsAreJoined) {
    CMeshList list;
    list.Build();
    for (int type = 1; type <= 6; ++type)
        EXPECT_TRUE(IsClosedOutward(list.ForType(type), EdgeMatch::ByPosition)) << type;
}

TEST(MeshList, PawnTableAndNormals) {
    CMeshList list;
    list.Build();
    ASSERT_EQ(list.Size(), 6);
    const CMesh& pawn = list.ForType(1);
    EXPECT_EQ(pawn.vertices.Size(), 608);
    EXPECT_EQ(pawn.faces.Size(), 1216);
    ASSERT_EQ(pawn.normals.Size(), 608);
    for (const point3d& n : pawn.normals) EXPECT_NEAR(Length(n), 0.75f, 1e-5f);
}

TEST(MeshList, LightFallsOnTheOutsideOfEveryPiece) {
    CMeshList list;
    list.Build();
    for (int type = 1; type <= 6; ++type) {
        SCOPED_TRACE(type);
        const CMesh& mesh = list.ForType(type);
        int soles = 0, outward = 0, lit = 0;
        for (int i = 0; i < mesh.vertices.Size(); ++i) {
            const vert_t& v = mesh.vertices[i];
            const point3d& n = mesh.normals[i];
            if (v.z == 0) {
                EXPECT_LT(n.z, 0.01f); // nothing on the board faces up
                if (n.z < -0.7f) ++soles;
            }
            if (Length(n) == 0) continue;
            ++lit;
            // Away from the piece's axis, normals point away from it.
            if (v.z > 0.01f && double(v.x) * n.x + double(v.y) * n.y > 0) ++outward;
        }
        EXPECT_GT(soles, 0);
        EXPECT_GT(outward, lit * 0.6);
    }
}

TEST(MeshList, EntryOfTypeTIsTMinusOneAndBadTypesAreEmpty) {
    CMeshList list;
    list.Build();
    const int tableOf[] = {kPawnTable, kKnightTable, kBishopTable,
                           kRookTable, kQueenTable,  kKingTable};
    for (int type = 1; type <= 6; ++type) {
        EXPECT_EQ(&list.ForType(type), &list[type - 1]);
        const MeshTable& table = kEmbeddedMeshes[tableOf[type - 1]];
        ASSERT_EQ(list.ForType(type).vertices.Size(), table.vertexCount);
        EXPECT_EQ(list.ForType(type).vertices[7].z, table.vertices[7].z);
        EXPECT_EQ(list.ForType(type).normals.Size(), table.vertexCount);
    }
    EXPECT_EQ(list.ForType(0).vertices.Size(), 0);
    EXPECT_EQ(list.ForType(7).faces[3].b, 0u);
    list.Build(); // rebuilding replaces, it does not append
    EXPECT_EQ(list.Size(), 6);
}

TEST(EmbeddedMeshes, LieInTheDataInOrderWithFacesAfterVertices) {
    for (int i = 0; i < kEmbeddedMeshCount; ++i) {
        const MeshTable& t = kEmbeddedMeshes[i];
        EXPECT_EQ(static_cast<const void*>(t.vertices + t.vertexCount),
                  static_cast<const void*>(t.faces));
        if (i > 0) {
            EXPECT_LT(static_cast<const void*>(kEmbeddedMeshes[i - 1].faces),
                      static_cast<const void*>(t.vertices));
        }
    }
    EXPECT_EQ(ShadowTable().vertexCount, 99u);
    EXPECT_EQ(ShadowTable().faceCount, 128u);
    EXPECT_EQ(PieceTable(2).vertices, kEmbeddedMeshes[kKnightTable].vertices);
    EXPECT_EQ(LetterGlyph(8).faceCount, 0u);
    EXPECT_EQ(DigitGlyph(-1).vertices, nullptr);
}

TEST(BoardGrid, CornersRunFromMinusFourToFour) {
    const CBoardGrid grid;
    EXPECT_EQ(grid(0, 0), (point3d{-4, -4, 0}));
    EXPECT_EQ(grid(8, 3), (point3d{4, -1, 0}));
    EXPECT_EQ(grid(9, 0), (point3d{}));
    EXPECT_EQ(grid(-1, 2), (point3d{}));
}

} // namespace
