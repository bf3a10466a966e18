#include "render/piece_meshes.h"

#include "render/embedded_meshes.h"

#include <algorithm>

void CMeshList::Build() {
    meshes_.clear();
    for (int type = 1; type <= 6; ++type) {
        const MeshTable& table = PieceTable(type);
        auto mesh = std::make_unique<CMesh>();
        mesh->vertices.SetSize(table.vertexCount);
        mesh->faces.SetSize(table.faceCount);
        std::copy_n(table.vertices, table.vertexCount, mesh->vertices.Data());
        std::copy_n(table.faces, table.faceCount, mesh->faces.Data());
        ComputeNormals(mesh->faces, mesh->vertices, mesh->normals);
        meshes_.push_back(std::move(mesh));
    }
}

const CMesh& CMeshList::operator[](int i) const {
    return i >= 0 && i < Size() ? *meshes_[std::size_t(i)] : empty_;
}
