// Window pixel of a square's centre under the start-up camera, so scripts can click squares.
// Usage: e2e_probe WIDTH HEIGHT SQUARE white|black   (prints "X Y")
// "white": the board seen from White's side (the start orientation), "black": from Black's.

#include "app/controller/scene.h"
#include "app/controller/square_projection.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 5 || std::strlen(argv[3]) != 2) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT SQUARE white|black\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    const int file = (argv[3][0] | 0x20) - 'a', rank = argv[3][1] - '1';
    if (width <= 0 || height <= 0 || file < 0 || file > 7 || rank < 0 || rank > 7) return 2;

    CSceneHost host;
    CScene scene(host);
    scene.SetViewSize(width, height);
    scene.ResetCamera();
    if (std::strcmp(argv[4], "white") != 0) scene.FaceBlack();
    sWindowPoint pixel{};
    if (!SquareToWindow(scene, file, rank, pixel)) return 1;
    std::printf("%d %d\n", pixel.x, pixel.y);
    return 0;
}
