#include "mesh_builder.h"

double SignedVolume6(const MeshBuilder& mesh) {
    double sum = 0;
    for (const face_t& f : mesh.faces) {
        const vert_t &a = mesh.vertices[f.a], &b = mesh.vertices[f.b], &c = mesh.vertices[f.c];
        sum += double(a.x) * (double(b.y) * c.z - double(b.z) * c.y) +
               double(a.y) * (double(b.z) * c.x - double(b.x) * c.z) +
               double(a.z) * (double(b.x) * c.y - double(b.y) * c.x);
    }
    return sum;
}
