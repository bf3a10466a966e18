#include "triangulate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

double Cross(const Point2& o, const Point2& a, const Point2& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool Same(const Point2& a, const Point2& b) {
    return std::abs(a.x - b.x) < 1e-12 && std::abs(a.y - b.y) < 1e-12;
}

// Proper crossing of segments ab and cd (shared end points do not count).
bool Crosses(const Point2& a, const Point2& b, const Point2& c, const Point2& d) {
    if (Same(a, c) || Same(a, d) || Same(b, c) || Same(b, d)) return false;
    const double d1 = Cross(a, b, c), d2 = Cross(a, b, d);
    const double d3 = Cross(c, d, a), d4 = Cross(c, d, b);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 &&
           d4 != 0;
}

bool InsideLoop(const std::vector<Point2>& loop, const Point2& p) {
    bool inside = false;
    for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
        const Point2 &a = loop[i], &b = loop[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// Whether direction d from corner `cur` points into the polygon's interior
// wedge between the edges to prev and next (the polygon is counter-clockwise).
bool InWedge(const Point2& prev, const Point2& cur, const Point2& next, const Point2& d) {
    if (Cross(prev, cur, next) >= 0) // convex corner
        return Cross(cur, next, d) > 0 && Cross(cur, d, prev) > 0;
    return !(Cross(cur, prev, d) >= 0 && Cross(cur, d, next) >= 0);
}

struct Polygon {
    const std::vector<Point2>& v;
    std::vector<int> ring;

    const Point2& At(int i) const { return v[ring[(i + ring.size()) % ring.size()]]; }

    // Splices `hole` into the ring through a bridge from its rightmost point.
    void Bridge(const std::vector<int>& hole, const std::vector<std::vector<int>>& others) {
        int m = 0;
        for (int i = 1; i < int(hole.size()); ++i)
            if (v[hole[i]].x > v[hole[m]].x) m = i;
        const Point2& M = v[hole[m]];
        auto blocked = [&](const Point2& P) {
            auto cuts = [&](const std::vector<int>& loop) {
                for (std::size_t i = 0; i < loop.size(); ++i)
                    if (Crosses(M, P, v[loop[i]], v[loop[(i + 1) % loop.size()]])) return true;
                return false;
            };
            if (cuts(ring) || cuts(hole)) return true;
            for (const auto& o : others)
                if (cuts(o)) return true;
            return false;
        };
        int best = -1;
        double bestDistance = std::numeric_limits<double>::max();
        for (int i = 0; i < int(ring.size()); ++i) {
            const Point2& P = At(i);
            const double distance = std::hypot(P.x - M.x, P.y - M.y);
            if (distance >= bestDistance || distance == 0) continue;
            if (!InWedge(At(i - 1), P, At(i + 1), M) || blocked(P)) continue;
            best = i, bestDistance = distance;
        }
        if (best < 0) throw std::runtime_error("no bridge to a hole");
        std::vector<int> spliced(ring.begin(), ring.begin() + best + 1);
        for (std::size_t k = 0; k <= hole.size(); ++k)
            spliced.push_back(hole[(m + k) % hole.size()]);
        spliced.push_back(ring[best]);
        spliced.insert(spliced.end(), ring.begin() + best + 1, ring.end());
        ring = std::move(spliced);
    }

    double EarQuality(int i) const {
        const Point2 &a = At(i - 1), &b = At(i), &c = At(i + 1);
        const double area = Cross(a, b, c);
        if (area <= 1e-14) return -1;
        for (int k = 0; k < int(ring.size()); ++k) {
            const Point2& p = v[ring[k]];
            if (Same(p, a) || Same(p, b) || Same(p, c)) continue;
            if (Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0) return -1;
        }
        // Smallest angle, through the ratio of area to the longest side squared.
        const double ab = std::hypot(a.x - b.x, a.y - b.y), bc = std::hypot(b.x - c.x, b.y - c.y),
                     ca = std::hypot(c.x - a.x, c.y - a.y);
        const double longest = std::max({ab, bc, ca});
        return area / (longest * longest);
    }

    void Clip(std::vector<std::array<int, 3>>& out) {
        while (ring.size() > 3) {
            // Spikes (an edge walked out and straight back) carry no area: drop
            // them. Points along a straight run stay; they are corners of
            // neighbouring triangles, so the fill meets the outline everywhere.
            bool dropped = false;
            for (int i = 0; i < int(ring.size()) && ring.size() > 3; ++i) {
                const Point2 &a = At(i - 1), &b = At(i), &c = At(i + 1);
                const double scale = std::hypot(a.x - c.x, a.y - c.y) + 1e-30;
                const bool flat = std::abs(Cross(a, b, c)) / scale < 1e-12;
                if (Same(a, b) ||
                    (flat && (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) <= 0)) {
                    ring.erase(ring.begin() + i);
                    dropped = true;
                }
            }
            if (dropped) continue;
            int best = -1;
            double bestQuality = 0;
            for (int i = 0; i < int(ring.size()); ++i) {
                const double q = EarQuality(i);
                if (q > bestQuality) best = i, bestQuality = q;
            }
            if (best < 0) {
                double area = 0;
                for (int i = 0; i < int(ring.size()); ++i) area += Cross({0, 0}, At(i), At(i + 1));
                if (std::abs(area) < 1e-14) return; // only a flat sliver is left
                throw std::runtime_error("no ear to clip");
            }
            const int n = int(ring.size());
            out.push_back({ring[(best + n - 1) % n], ring[best], ring[(best + 1) % n]});
            ring.erase(ring.begin() + best);
        }
        // The last triangle closes the fill even when rounding left it a sliver.
        if (ring.size() == 3) out.push_back({ring[0], ring[1], ring[2]});
    }
};

} // namespace

double SignedArea(const std::vector<Point2>& loop) {
    double sum = 0;
    for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++)
        sum += loop[j].x * loop[i].y - loop[i].x * loop[j].y;
    return sum / 2;
}

Triangulation Triangulate(const std::vector<std::vector<Point2>>& loops) {
    Triangulation t;
    std::vector<std::vector<int>> outlines, holes;
    std::vector<int> outlineOf;
    for (const auto& loop : loops) {
        std::vector<int> ids;
        for (const Point2& p : loop) {
            ids.push_back(int(t.vertices.size()));
            t.vertices.push_back(p);
        }
        (SignedArea(loop) > 0 ? outlines : holes).push_back(std::move(ids));
    }
    auto points = [&](const std::vector<int>& ids) {
        std::vector<Point2> p;
        for (int i : ids) p.push_back(t.vertices[i]);
        return p;
    };
    std::vector<std::vector<std::vector<int>>> holesOf(outlines.size());
    for (const auto& hole : holes) {
        int owner = -1;
        double ownerArea = 0;
        for (int o = 0; o < int(outlines.size()); ++o) {
            const auto loop = points(outlines[o]);
            const double area = SignedArea(loop);
            if (InsideLoop(loop, t.vertices[hole[0]]) && (owner < 0 || area < ownerArea))
                owner = o, ownerArea = area;
        }
        if (owner < 0) throw std::runtime_error("hole outside every outline");
        holesOf[owner].push_back(hole);
    }
    for (std::size_t o = 0; o < outlines.size(); ++o) {
        Polygon polygon{t.vertices, outlines[o]};
        auto& pending = holesOf[o];
        std::sort(pending.begin(), pending.end(), [&](const auto& a, const auto& b) {
            auto maxX = [&](const auto& h) {
                double m = -1e300;
                for (int i : h) m = std::max(m, t.vertices[i].x);
                return m;
            };
            return maxX(a) > maxX(b);
        });
        for (std::size_t h = 0; h < pending.size(); ++h)
            polygon.Bridge(pending[h], {pending.begin() + h + 1, pending.end()});
        polygon.Clip(t.triangles);
    }
    return t;
}
