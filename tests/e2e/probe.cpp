// Window pixel of a square's centre under the start-up camera, so scripts can click squares.
// Usage: e2e_probe WIDTH HEIGHT SQUARE white|black   (prints "X Y")
// "white": the board seen from White's side (the start orientation), "black": from Black's.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>

namespace {

struct Vec {
    double x, y, z;
};

Vec Sub(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec Cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec Unit(Vec a) {
    const double l = std::sqrt(Dot(a, a));
    return {a.x / l, a.y / l, a.z / l};
}

// The camera of a fresh start: eye (0, 8, 8) looking at the origin, +Z up, 45 degrees.
constexpr Vec kEye{0, 8, 8};
constexpr Vec kTarget{0, 0, 0};
constexpr Vec kUp{0, 0, 1};
constexpr double kFieldOfView = 45.0;

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 || std::strlen(argv[3]) != 2) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT SQUARE white|black\n", argv[0]);
        return 2;
    }
    const double width = std::atof(argv[1]), height = std::atof(argv[2]);
    const int file = (argv[3][0] | 0x20) - 'a', rank = argv[3][1] - '1';
    if (width <= 0 || height <= 0 || file < 0 || file > 7 || rank < 0 || rank > 7) return 2;
    const bool fromWhite = std::strcmp(argv[4], "white") == 0;

    // Board space puts the square's centre at (x - 3.5, y - 3.5); White's view turns it half round.
    const double bx = file - 3.5, by = rank - 3.5;
    const Vec world = fromWhite ? Vec{-bx, -by, 0} : Vec{bx, by, 0};

    const Vec forward = Unit(Sub(kTarget, kEye));
    const Vec side = Unit(Cross(forward, kUp));
    const Vec up = Cross(side, forward);
    const Vec d = Sub(world, kEye);
    const double depth = Dot(d, forward);
    const double f = 1.0 / std::tan(kFieldOfView / 2 * std::numbers::pi / 180);
    const double ndcX = f / (width / height) * Dot(d, side) / depth;
    const double ndcY = f * Dot(d, up) / depth;
    std::printf("%d %d\n", int(std::lround((ndcX + 1) / 2 * width)),
                int(std::lround((1 - ndcY) / 2 * height)));
    return 0;
}
