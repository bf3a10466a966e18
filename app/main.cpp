#include <cstdio>

int main() {
    std::puts("Tavlion: the game window is not built yet.");
    return 0;
}
