// Frames per second of the program's own frame -- sky, board, 32 figures
// with their reflections and shadows, both clocks and the move list --
// drawn offscreen at 1280 x 800, and of the frame with one layer left out.
// Usage: render_bench [stage directory] [frames]

#include "app/controller/scene.h"
#include "app/controller/scene_host.h"
#include "app/shell/scene_picture.h"
#include "platform/message_box.h"
#include "render/offscreen_context.h"
#include "support/scene_clicks.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The window's part of the frame, without a window.
struct CBenchHost : CSceneHost {
    CScenePicture* picture = nullptr;
    void InitGL() override { picture->Renderer().InitGL(); }
    void ApplyCamera() override { picture->Renderer().ApplyCamera(); }
    void CreateFonts() override { picture->Renderer().CreateFonts(); }
    void DeleteFonts() override { picture->Renderer().DeleteFonts(); }
    void ReloadSky(int number) override { picture->ReloadSky(number); }
};

// An opening of four moves a side, played by clicks in a two-player game,
// so the clocks run and the move list has lines.
void PlayOpening(CScene& scene) {
    const int moves[][4] = {{4, 1, 4, 3}, {4, 6, 4, 4}, {6, 0, 5, 2}, {1, 7, 2, 5},
                            {5, 0, 2, 3}, {6, 7, 5, 5}, {3, 1, 3, 2}, {5, 7, 2, 4}};
    for (const auto& m : moves) MoveFigure(scene, m[0], m[1], m[2], m[3]);
}

} // namespace

int main(int argc, char** argv) {
    const std::string stage = argc > 1 ? argv[1] : ".";
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

    // The program finds its data folders and its engine in the current directory.
    std::error_code error;
    std::filesystem::current_path(stage, error);
    if (error) {
        std::fprintf(stderr, "render_bench: no stage directory %s\n", stage.c_str());
        return 1;
    }
    CBenchHost host;
    CScene scene(host);
    CScenePicture picture(scene);
    host.picture = &picture;
    // The program's start-up without its settings file, which a benchmark
    // must not write: default settings, every layer of the picture on.
    scene.settings.playerMode = 1;
    scene.settings.animation = 0;
    scene.settings.soundEffects = 0;
    scene.SetViewSize(kWidth, kHeight);
    picture.Renderer().Resize(kWidth, kHeight);
    scene.ResetCamera();
    host.ReloadSky(scene.settings.skyNumber);
    host.InitGL();
    host.CreateFonts();
    scene.board.ResetGame();
    if (!scene.BindEngine(kEngineLibraryName)) return 1;
    PlayOpening(scene);

    struct sPass {
        const char* name;
        int sSettings::*layer; // switched off for this pass
    };
    const sPass passes[] = {{"full frame", nullptr},
                            {"without the mirror", &sSettings::mirror},
                            {"without the shadows", &sSettings::shadows},
                            {"without the sky", &sSettings::skyFlague},
                            {"without the move list", &sSettings::moveList},
                            {"without the clocks", &sSettings::timer}};
    std::printf("%dx%d, 32 figures, %d moves played, %s\n", kWidth, kHeight,
                scene.moveTable.entries.Count(),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    for (const sPass& pass : passes) {
        const sSettings saved = scene.settings;
        if (pass.layer) scene.settings.*pass.layer = 0;
        auto frame = [&] {
            picture.Renderer().DrawFrame();
            glFinish();
        };
        frame(); // the display lists are built in the first one
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < frames; ++i) frame();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-22s %7.2f ms/frame %6.1f fps\n", pass.name, 1000 * seconds / frames,
                    frames / seconds);
        scene.settings = saved;
    }
    host.DeleteFonts();
    return 0;
}
