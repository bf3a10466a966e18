#pragma once

#include "mesh_builder.h"

// The piece designs, in board units: base at z = 0 centred on the origin.
MeshBuilder PawnMesh();
MeshBuilder KnightMesh();
MeshBuilder BishopMesh();
MeshBuilder RookMesh();
MeshBuilder QueenMesh();
MeshBuilder KingMesh();

// The flat shadow a piece casts, on z = 0, reaching towards +x and -y.
MeshBuilder ShadowMesh();
