// Frames per second of the full scene (sky, board, 32 figures with their
// reflections and shadows) drawn offscreen at 1280 x 800.
// Usage: render_bench [data directory] [frames]

#include "board/board.h"
#include "platform/message_box.h"
#include "render/board_renderer.h"
#include "render/offscreen_context.h"
#include "render/sky.h"
#include "support/stub_board_services.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The program's defaults: one player, every layer of the picture on.
struct CBenchServices : CStubBoardServices {
    CBenchServices() {
        playerMode = 0;
        animation = 1;
        texturedFigures = 1;
    }
};

// The rendering state and camera the program sets up before a frame.
void SetUpScene(int width, int height) {
    glEnable(GL_COLOR_MATERIAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.1f, 0.1f, 0.5f, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, double(width) / height, 0.1, 30);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 8, 8, 0, 0, 0, 0, 0, 1);
    const GLfloat light0[] = {100, 100, 100, 1}, light1[] = {0, 0, 1000, 1};
    const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light0);
    glLightfv(GL_LIGHT1, GL_POSITION, light1);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

} // namespace

int main(int argc, char** argv) {
    const std::string data = argc > 1 ? argv[1] : "assets/data";
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 120;
    constexpr int kWidth = 1280, kHeight = 800;

    COffscreenContext context(kWidth, kHeight);
    if (!context.Valid()) {
        std::fprintf(stderr, "render_bench: no GLX pbuffer (is DISPLAY set?)\n");
        return 1;
    }
    platform::SetMessageBoxHandler([](const std::string& text, const std::string& caption, int) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return int(platform::kIdOk);
    });
    SetUpScene(kWidth, kHeight);

    CBenchServices services;
    services.directory = data;
    CMoveTable moves;
    CBoard board(services, moves);
    board.SetupFigures();
    CBoardRenderer renderer;
    renderer.LoadTextures(services);
    CSky sky;
    int skyNumber = 0;
    sky.Init(data, skyNumber);
    sky.SetScale(10);

    struct sPass {
        const char* name;
        bool sky, board;
        int mirror;
    };
    const sPass passes[] = {{"full frame", true, true, 1},
                            {"without the mirror", true, true, 0},
                            {"board only", false, true, 1},
                            {"sky only", true, false, 1}};
    std::printf("%dx%d, 32 figures, shadows, %s\n", kWidth, kHeight,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    for (const sPass& pass : passes) {
        services.mirror = pass.mirror;
        auto frame = [&] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (pass.sky) {
                glEnable(GL_CULL_FACE);
                glCullFace(GL_FRONT);
                sky.Draw();
                glCullFace(GL_BACK);
            }
            if (pass.board) renderer.DrawBoard(board, services);
            glFinish();
        };
        frame(); // the display lists are built in the first one
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < frames; ++i) frame();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-20s %7.2f ms/frame %6.1f fps\n", pass.name, 1000 * seconds / frames,
                    frames / seconds);
    }
    return 0;
}
