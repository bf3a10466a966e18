#include "clip.h"

#include "triangulate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>

namespace {

struct Basis {
    double ux, uy, uz, vx, vy, vz; // u x v is the plane's normal
};

Basis PlaneBasis(const HalfSpace& h) {
    const double len = std::sqrt(h.a * h.a + h.b * h.b + h.c * h.c);
    const double nx = h.a / len, ny = h.b / len, nz = h.c / len;
    // Any direction not along the normal starts u.
    double ux = std::abs(nz) < 0.9 ? -ny : 1, uy = std::abs(nz) < 0.9 ? nx : 0, uz = 0;
    if (std::abs(nz) >= 0.9) ux = 1, uy = 0, uz = -nx / nz;
    const double ul = std::sqrt(ux * ux + uy * uy + uz * uz);
    ux /= ul, uy /= ul, uz /= ul;
    return {ux, uy, uz, ny * uz - nz * uy, nz * ux - nx * uz, nx * uy - ny * ux};
}

} // namespace

MeshBuilder ClipToHalfSpace(const MeshBuilder& mesh, const HalfSpace& keep) {
    std::vector<double> side(mesh.vertices.size());
    for (std::size_t i = 0; i < side.size(); ++i) {
        const vert_t& v = mesh.vertices[i];
        side[i] = keep.a * v.x + keep.b * v.y + keep.c * v.z + keep.d;
        if (side[i] == 0) side[i] = -1e-12; // on the plane counts as kept
    }
    MeshBuilder out;
    std::map<std::uint32_t, std::uint32_t> kept;
    auto keepVertex = [&](std::uint32_t i) {
        auto [it, fresh] = kept.try_emplace(i, 0);
        if (fresh) it->second = out.AddVertex(mesh.vertices[i]);
        return it->second;
    };
    // A vertex where an edge crosses the plane, shared by both its triangles.
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> cuts;
    auto cutVertex = [&](std::uint32_t i, std::uint32_t j) {
        const auto key = i < j ? std::pair{i, j} : std::pair{j, i};
        auto [it, fresh] = cuts.try_emplace(key, 0);
        if (fresh) {
            // Interpolated from the end that comes first by position, so an
            // edge shared by two surfaces (a cap and its rim) is cut at
            // exactly the same point from both.
            auto before = [&](std::uint32_t p, std::uint32_t q) {
                const vert_t &u = mesh.vertices[p], &w = mesh.vertices[q];
                return std::tie(u.x, u.y, u.z) < std::tie(w.x, w.y, w.z);
            };
            const std::uint32_t first = before(key.second, key.first) ? key.second : key.first;
            const std::uint32_t second = first == key.first ? key.second : key.first;
            const vert_t &a = mesh.vertices[first], &b = mesh.vertices[second];
            const float t = float(side[first] / (side[first] - side[second]));
            it->second =
                out.AddVertex({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t,
                               a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t, 0});
        }
        return it->second;
    };
    // The cut, walked against the kept faces, from point to point. Points are
    // matched by position: a mesh may carry one position in several vertices
    // (sharp edges, an earlier cap).
    using Position = std::array<long long, 3>;
    auto positionOf = [&](std::uint32_t id) {
        const vert_t& v = out.vertices[id];
        return Position{std::llround(v.x * 1e7), std::llround(v.y * 1e7), std::llround(v.z * 1e7)};
    };
    std::map<Position, std::pair<Position, std::uint32_t>> capNext;
    for (const face_t& f : mesh.faces) {
        const std::uint32_t corner[3] = {f.a, f.b, f.c};
        std::vector<std::uint32_t> polygon;
        int entering = -1, leaving = -1;
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t i = corner[k], j = corner[(k + 1) % 3];
            if (side[i] <= 0) polygon.push_back(keepVertex(i));
            if ((side[i] <= 0) != (side[j] <= 0)) {
                (side[i] <= 0 ? leaving : entering) = int(polygon.size());
                polygon.push_back(cutVertex(i, j));
            }
        }
        for (std::size_t k = 1; k + 1 < polygon.size(); ++k)
            out.AddTriangle(polygon[0], polygon[k], polygon[k + 1]);
        if (leaving < 0) continue;
        const std::uint32_t from = polygon[std::size_t(entering)];
        const Position start = positionOf(from), end = positionOf(polygon[std::size_t(leaving)]);
        if (start != end) capNext[start] = {end, from};
    }
    // Chain the cut into loops and fill them in the plane.
    const Basis basis = PlaneBasis(keep);
    std::vector<std::vector<Point2>> loops;
    std::vector<std::vector<std::uint32_t>> loopIds;
    while (!capNext.empty()) {
        std::vector<Point2> loop;
        std::vector<std::uint32_t> ids;
        Position at = capNext.begin()->first;
        for (auto it = capNext.find(at); it != capNext.end(); it = capNext.find(at)) {
            const std::uint32_t id = it->second.second;
            const vert_t& v = out.vertices[id];
            loop.push_back({basis.ux * v.x + basis.uy * v.y + basis.uz * v.z,
                            basis.vx * v.x + basis.vy * v.y + basis.vz * v.z});
            ids.push_back(id);
            at = it->second.first;
            capNext.erase(it);
        }
        // Zero-area triangles (a revolved profile's return along its axis)
        // leave loops of zero area behind: nothing to fill.
        if (loop.size() >= 3 && std::abs(SignedArea(loop)) > 1e-12)
            loops.push_back(std::move(loop)), loopIds.push_back(std::move(ids));
    }
    if (loops.empty()) return out;
    double area = 0;
    for (const auto& loop : loops) area += SignedArea(loop);
    if (area < 0) { // seen from the kept side: turn them to face out
        for (auto& loop : loops) std::reverse(loop.begin(), loop.end());
        for (auto& ids : loopIds) std::reverse(ids.begin(), ids.end());
    }
    const Triangulation cap = Triangulate(loops);
    const auto base = std::uint32_t(out.vertices.size());
    for (const auto& ids : loopIds)
        for (std::uint32_t id : ids) out.AddVertex(out.vertices[id]);
    for (const auto& t : cap.triangles)
        out.AddTriangle(base + std::uint32_t(t[0]), base + std::uint32_t(t[1]),
                        base + std::uint32_t(t[2]));
    return out;
}
