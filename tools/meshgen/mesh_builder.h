#pragma once

#include "render/mesh.h"

#include <cstdint>
#include <vector>

// A mesh under construction, in the embedded tables' record layout.
struct MeshBuilder {
    std::vector<vert_t> vertices;
    std::vector<face_t> faces;

    std::uint32_t AddVertex(const vert_t& v) {
        vertices.push_back(v);
        return std::uint32_t(vertices.size() - 1);
    }
    void AddTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        faces.push_back({a, b, c});
    }

    void Append(const MeshBuilder& other) {
        const auto base = std::uint32_t(vertices.size());
        vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
        for (const face_t& f : other.faces) AddTriangle(base + f.a, base + f.b, base + f.c);
    }

    void Translate(double dx, double dy, double dz) {
        for (vert_t& v : vertices) v.x += float(dx), v.y += float(dy), v.z += float(dz);
    }
};

// Six times the signed volume enclosed; positive when faces wind
// counter-clockwise seen from outside.
double SignedVolume6(const MeshBuilder& mesh);
