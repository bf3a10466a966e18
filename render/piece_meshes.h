#pragma once

#include "render/mesh.h"

#include <memory>
#include <vector>

// The six piece meshes, built from the embedded tables; the mesh of figure
// type t is entry t - 1. Building makes no graphics calls.
class CMeshList {
public:
    // Replaces any earlier meshes: copies each table, then computes its normals.
    void Build();

    int Size() const { return int(meshes_.size()); }
    // Entry i; a bad index gives an empty mesh.
    const CMesh& operator[](int i) const;
    // The mesh drawn for figure type 1..6.
    const CMesh& ForType(int type) const { return (*this)[type - 1]; }

private:
    std::vector<std::unique_ptr<CMesh>> meshes_;
    CMesh empty_;
};
