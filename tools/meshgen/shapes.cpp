#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double kPi = std::numbers::pi;

double Angle(Point2 centre, Point2 p, double rx, double ry) {
    double a = std::atan2((p.y - centre.y) / ry, (p.x - centre.x) / rx) * 180 / kPi;
    return a < 0 ? a + 360 : a;
}

} // namespace

Shape Bar(Point2 a, Point2 b, double halfWidth) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len;
    return [=](Point2 p) {
        const double along = (p.x - a.x) * ux + (p.y - a.y) * uy;
        const double across = -(p.x - a.x) * uy + (p.y - a.y) * ux;
        return std::max(std::abs(along - len / 2) - len / 2, std::abs(across) - halfWidth);
    };
}

Shape Ellipse(Point2 c, double rx, double ry) {
    return [=](Point2 p) {
        const double x = (p.x - c.x) / rx, y = (p.y - c.y) / ry;
        return (std::sqrt(x * x + y * y) - 1) * std::min(rx, ry);
    };
}

Shape Rect(double x0, double y0, double x1, double y1) {
    return [=](Point2 p) { return std::max({x0 - p.x, p.x - x1, y0 - p.y, p.y - y1}); };
}

Shape Arc(Point2 c, double rx, double ry, double innerRx, double innerRy, double fromDeg,
          double toDeg) {
    const Shape ring = Difference(Ellipse(c, rx, ry), Ellipse(c, innerRx, innerRy));
    const double span = toDeg - fromDeg;
    return [=](Point2 p) {
        double a = Angle(c, p, rx, ry) - fromDeg;
        a -= 360 * std::floor(a / 360);
        // Angular distance outside the span, turned into a length at the mid radius.
        const double outside = a <= span ? -std::min(a, span - a) : std::min(a - span, 360 - a);
        const double r = std::hypot(p.x - c.x, p.y - c.y);
        return std::max(ring(p), outside * kPi / 180 * std::max(r, 1e-3));
    };
}

Shape Bowl(double x0, double x1, double y0, double y1, double hv, double hh) {
    const double ry = (y1 - y0) / 2, cy = (y0 + y1) / 2;
    const double rx = std::min(ry, x1 - x0), cx = x1 - rx;
    const Shape outer = Union(
        {Rect(x0, y0, cx, y1), Intersection(Ellipse({cx, cy}, rx, ry), Rect(cx, -10, 10, 10))});
    const Shape inner =
        Union({Rect(x0 - 1, y0 + hv, cx, y1 - hv), Ellipse({cx, cy}, rx - hh, ry - hv)});
    return Difference(outer, Intersection(inner, Rect(x0 + hh, -10, 10, 10)));
}

Shape Union(std::vector<Shape> parts) {
    return [parts = std::move(parts)](Point2 p) {
        double d = 1e9;
        for (const Shape& s : parts) d = std::min(d, s(p));
        return d;
    };
}

Shape Intersection(Shape a, Shape b) {
    return [=](Point2 p) { return std::max(a(p), b(p)); };
}

Shape Difference(Shape a, Shape b) {
    return [=](Point2 p) { return std::max(a(p), -b(p)); };
}

namespace {

// Douglas-Peucker on an open chain, keeping its ends.
void Simplify(const std::vector<Point2>& chain, std::size_t from, std::size_t to, double tolerance,
              std::vector<Point2>& out) {
    double worst = 0;
    std::size_t at = from;
    const Point2 a = chain[from], b = chain[to];
    const double len = std::hypot(b.x - a.x, b.y - a.y) + 1e-30;
    for (std::size_t i = from + 1; i < to; ++i) {
        const double d =
            std::abs((b.x - a.x) * (chain[i].y - a.y) - (b.y - a.y) * (chain[i].x - a.x)) / len;
        if (d > worst) worst = d, at = i;
    }
    if (worst > tolerance) {
        Simplify(chain, from, at, tolerance, out);
        Simplify(chain, at, to, tolerance, out);
    } else {
        out.push_back(b);
    }
}

std::vector<Point2> SimplifyLoop(const std::vector<Point2>& loop, double tolerance) {
    std::size_t far = 0;
    double farthest = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const double d = std::hypot(loop[i].x - loop[0].x, loop[i].y - loop[0].y);
        if (d > farthest) farthest = d, far = i;
    }
    std::vector<Point2> closed(loop);
    closed.push_back(loop[0]);
    std::vector<Point2> out{loop[0]};
    Simplify(closed, 0, far, tolerance, out);
    Simplify(closed, far, closed.size() - 1, tolerance, out);
    out.pop_back(); // the start again
    return out;
}

} // namespace

std::vector<std::vector<Point2>> TraceOutlines(const Shape& shape, double x0, double y0, double x1,
                                               double y1, double cell, double tolerance) {
    const int nx = int(std::ceil((x1 - x0) / cell)) + 1, ny = int(std::ceil((y1 - y0) / cell)) + 1;
    std::vector<double> f(std::size_t(nx) * ny);
    auto at = [&](int i, int j) -> double& { return f[std::size_t(j) * nx + i]; };
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            // The border is outside, so every loop closes; no sample is exactly 0.
            double v = shape({x0 + i * cell, y0 + j * cell});
            if (i == 0 || j == 0 || i == nx - 1 || j == ny - 1) v = std::max(v, cell);
            at(i, j) = v == 0 ? 1e-12 : v;
        }
    // Crossings are keyed by edge: horizontal (i, j)-(i+1, j) as 2k, vertical as 2k + 1.
    auto hKey = [&](int i, int j) { return 2L * (long(j) * nx + i); };
    auto vKey = [&](int i, int j) { return 2L * (long(j) * nx + i) + 1; };
    auto crossing = [&](long key) {
        const long k = key / 2;
        const int i = int(k % nx), j = int(k / nx);
        const double a = at(i, j);
        const double b = key % 2 ? at(i, j + 1) : at(i + 1, j);
        const double t = a / (a - b);
        return key % 2 ? Point2{x0 + i * cell, y0 + (j + t) * cell}
                       : Point2{x0 + (i + t) * cell, y0 + j * cell};
    };
    std::map<long, long> next; // from an exit crossing to the entry it joins
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i) {
            // Corners counter-clockwise from bottom left, with the edge that follows each.
            const double c[4] = {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)};
            const long edge[4] = {hKey(i, j), vKey(i + 1, j), hKey(i, j + 1), vKey(i, j)};
            std::vector<int> exits, entries, order;
            for (int k = 0; k < 4; ++k) {
                const bool in = c[k] < 0, nextIn = c[(k + 1) % 4] < 0;
                if (in != nextIn) order.push_back(k);
            }
            if (order.empty()) continue;
            const double centre = (c[0] + c[1] + c[2] + c[3]) / 4;
            const int n = int(order.size());
            for (int q = 0; q < n; ++q) {
                const int k = order[q];
                if (!(c[k] < 0)) continue; // an entry; exits start the segments
                int partner;
                if (n == 2 || centre < 0)
                    partner = order[(q + 1) % n];
                else
                    partner = order[(q + n - 1) % n];
                next[edge[k]] = edge[partner];
            }
        }
    }
    std::vector<std::vector<Point2>> loops;
    while (!next.empty()) {
        std::vector<Point2> loop;
        long key = next.begin()->first;
        while (true) {
            auto it = next.find(key);
            if (it == next.end()) break;
            loop.push_back(crossing(key));
            key = it->second;
            next.erase(it);
        }
        if (loop.size() >= 3) loops.push_back(SimplifyLoop(loop, tolerance));
    }
    return loops;
}
