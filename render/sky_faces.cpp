#include "render/sky_faces.h"

#include <array>
#include <cmath>

namespace {

constexpr int kVertices = 81;
constexpr int kTriangles = 128;
constexpr double kCornerDistance = 50.0;
constexpr double kCentreDistance = 47.45;

struct sFaceAxes {
    point3d centre, u, v; // unit cube: the face centre and the directions u and v grow to
};

// u x v points outwards on every face, so counter-clockwise in (u, v) is
// counter-clockwise seen from outside.
constexpr sFaceAxes kAxes[kSkyFaceCount] = {
    {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},   // lf
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}},   // rt
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},   // up
    {{0, -1, 0}, {-1, 0, 0}, {0, 0, -1}}, // dn
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},    // bk
    {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},  // fr
};

// A face is 4 x 4 cells of a quarter each way. Every cell carries its four
// corners, the midpoints of its four edges and its centre; it is a fan of
// eight triangles about the centre.
struct sFaceLayout {
    std::array<std::array<int, 9>, 9> index{}; // vertex at (u, v) = (i / 8, j / 8)
    std::array<std::uint32_t, 3 * kTriangles> triangles{};
};

constexpr sFaceLayout MakeLayout() {
    sFaceLayout layout;
    int next = 0;
    // Rows v = 0, 1/4, ..., 1 with nine vertices, then the rows between them
    // with five, then the cell centres.
    for (int j = 0; j <= 8; j += 2)
        for (int i = 0; i <= 8; ++i) layout.index[i][j] = next++;
    for (int j = 1; j <= 7; j += 2)
        for (int i = 0; i <= 8; i += 2) layout.index[i][j] = next++;
    for (int j = 1; j <= 7; j += 2)
        for (int i = 1; i <= 7; i += 2) layout.index[i][j] = next++;

    // The ring about a cell centre, counter-clockwise in (u, v).
    constexpr int ring[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0},
                                {1, 1},   {0, 1},  {-1, 1}, {-1, 0}};
    int t = 0;
    for (int cj = 1; cj <= 7; cj += 2)
        for (int ci = 1; ci <= 7; ci += 2)
            for (int k = 0; k < 8; ++k) {
                const int* a = ring[k];
                const int* b = ring[(k + 1) % 8];
                layout.triangles[t++] = std::uint32_t(layout.index[ci][cj]);
                layout.triangles[t++] = std::uint32_t(layout.index[ci + a[0]][cj + a[1]]);
                layout.triangles[t++] = std::uint32_t(layout.index[ci + b[0]][cj + b[1]]);
            }
    return layout;
}

constexpr sFaceLayout kLayout = MakeLayout();
static_assert(kLayout.index[7][7] == kVertices - 1);

// The shell's radius grows from the face centres to the corners with the
// squared distance from the centre of the unit cube's face: r depends only on
// the cube point, so the faces meet exactly along their edges.
vert_t ShellVertex(const sFaceAxes& axes, int i, int j) {
    const double a = i / 4.0 - 1, b = j / 4.0 - 1;
    const double x = axes.centre.x + a * axes.u.x + b * axes.v.x;
    const double y = axes.centre.y + a * axes.u.y + b * axes.v.y;
    const double z = axes.centre.z + a * axes.u.z + b * axes.v.z;
    const double squares = x * x + y * y + z * z; // 1 at a centre, 3 at a corner
    const double radius = kCentreDistance + (kCornerDistance - kCentreDistance) * (squares - 1) / 2;
    const double s = radius / std::sqrt(squares);
    return {float(x * s), float(y * s), float(z * s), float(i / 8.0), float(j / 8.0), 0};
}

struct sFaces {
    vert_t vertices[kSkyFaceCount][kVertices];
    sSkyFaceTable tables[kSkyFaceCount];

    sFaces() {
        for (int f = 0; f < kSkyFaceCount; ++f) {
            for (int i = 0; i <= 8; ++i)
                for (int j = 0; j <= 8; ++j)
                    vertices[f][kLayout.index[i][j]] = ShellVertex(kAxes[f], i, j);
            tables[f] = {vertices[f], kVertices, kLayout.triangles.data(), kTriangles};
        }
    }
};

} // namespace

const sSkyFaceTable& SkyFaceTable(int face) {
    static const sFaces faces;
    return faces.tables[face >= 0 && face < kSkyFaceCount ? face : 0];
}
