#pragma once

#include "app/controller/clock.h"
#include "app/controller/scene.h"
#include "app/controller/scene_host.h"
#include "app/shell/scene_picture.h"
#include "support/scene_clicks.h"

#include <GL/gl.h>

#include <QGuiApplication>

#include <filesystem>
#include <memory>
#include <string>

// The program's frame without a window, for the drawing tests and the
// render benchmark: a two-player game at a fixed moment, every layer of the
// picture on, drawn into the GL context current when it is made. The
// settings file is neither read nor written.
class CPictureStage {
public:
    struct CHost : CSceneHost {
        CScenePicture* picture = nullptr;
        void InitGL() override { picture->Renderer().InitGL(); }
        void ApplyCamera() override { picture->Renderer().ApplyCamera(); }
        void CreateFonts() override { picture->Renderer().CreateFonts(); }
        void DeleteFonts() override { picture->Renderer().DeleteFonts(); }
        void ReloadSky(int number) override { picture->ReloadSky(number); }
    };

    // `stage` holds the data folders and the engine; it becomes the current
    // directory, where the program looks for them.
    CPictureStage(const std::string& stage, int width, int height) : ok_(EnterStage(stage)) {
        host.picture = &picture;
        scene.settings.playerMode = 1;
        scene.settings.animation = 0;
        scene.settings.soundEffects = 0;
        scene.SetViewSize(width, height);
        picture.Renderer().Resize(width, height);
        scene.ResetCamera();
        host.ReloadSky(scene.settings.skyNumber);
        host.InitGL();
        host.CreateFonts();
        scene.board.ResetGame();
        ok_ = ok_ && scene.BindEngine(kEngineLibraryName);
    }
    ~CPictureStage() { host.DeleteFonts(); }
    CPictureStage(const CPictureStage&) = delete;
    CPictureStage& operator=(const CPictureStage&) = delete;

    bool Ok() const { return ok_; }

    // Four moves a side with captures on both sides, played by clicks, so
    // the clocks run, the move list has lines and captured figures stand
    // beside the board. The clocks then stand still at a fixed time.
    void PlayOpening() {
        const int moves[][4] = {{4, 1, 4, 3}, {3, 6, 3, 4}, {4, 3, 3, 4}, {3, 7, 3, 4},
                                {1, 0, 2, 2}, {3, 4, 6, 1}, {5, 0, 6, 1}, {1, 7, 2, 5},
                                {6, 1, 2, 5}, {1, 6, 2, 5}};
        for (const auto& m : moves) MoveFigure(scene, m[0], m[1], m[2], m[3]);
        SetClockTickSource([] { return std::uint32_t(1000000); });
        lastClockTick = 1000000;
        scene.whiteClock = {0, 3, 25};
        scene.blackClock = {0, 2, 48};
    }

    // One whole frame, finished.
    void DrawFrame() {
        picture.Renderer().DrawFrame();
        glFinish();
    }

private:
    static bool EnterStage(const std::string& stage) {
        std::error_code error;
        std::filesystem::current_path(stage, error);
        return !error;
    }
    // First, so the controller finds the stage as its start-up directory.
    bool ok_;

public:
    CHost host;
    CScene scene{host};
    CScenePicture picture{scene};
    // Where a benchmark puts figures it takes off the board for a while.
    CFigureList hidden;
};

// The fonts of the clocks and the move list need a running application.
inline void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tavlion_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}
