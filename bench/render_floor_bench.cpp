// The least work any drawing of the program's frame asks of the software
// renderer, beside the frame itself, at 1280 x 800 from the same camera:
// the window cleared, one textured fill over all of it (the sky), the board's
// quad textured and blended over that (the see-through squares), and the
// figures' own triangles with their reflections, unlit, untextured, with
// no state change between them. The program can save state changes,
// lighting and draw calls, but not this much without fewer triangles or
// cheaper texturing, and both change the picture.
// Usage: render_floor_bench [stage directory] [frames] [rounds]

#include "render/board_renderer.h"
#include "render/gl/mesh_buffers.h"
#include "render/gl/texture_upload.h"
#include "render/piece_meshes.h"

#include "bench_stage.h"
#include "frame_timing.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1280, kHeight = 800;

class CFloorFrame {
public:
    explicit CFloorFrame(CPictureStage& stage) : stage_(stage) {
        meshes_.Build();
        for (int i = 0; i < 6; ++i) buffers_[i].Upload(meshes_[i]);
        // A sky face's size, mipmapped and filtered as the program's pictures are.
        std::vector<unsigned char> noise(512 * 512 * 3);
        std::mt19937 random(7);
        for (unsigned char& c : noise) c = static_cast<unsigned char>(random());
        texture_ = UploadTexture(512, 512, noise.data());
    }

    void Clear() const { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

    // The whole window, every pixel sampled once.
    void Sky() const {
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture_);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glBegin(GL_QUADS);
        const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (const auto& c : corners) {
            glTexCoord2f((c[0] + 1) / 2, (c[1] + 1) / 2);
            glVertex2f(c[0], c[1]);
        }
        glEnd();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
    }

    // The 8 x 8 squares as one textured quad blended over what lies below.
    void Board() const {
        Camera();
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture_);
        EnableBlending();
        glColor4f(1, 1, 1, 0.7f);
        glBegin(GL_QUADS);
        const float corners[4][2] = {{-4, -4}, {4, -4}, {4, 4}, {-4, 4}};
        for (const auto& c : corners) {
            glTexCoord2f((c[0] + 4) / 8, (c[1] + 4) / 8);
            glVertex3f(c[0], c[1], 0);
        }
        glEnd();
        DisableBlending();
        glDisable(GL_TEXTURE_2D);
        glPopMatrix();
    }

    // Every figure and its reflection; culled back faces or none, as `cull` says.
    void Figures(bool cull) const {
        Camera();
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        if (cull) glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glEnableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glColor3f(0.8f, 0.8f, 0.8f);
        for (const CFigure* figure : stage_.scene.board.figures) {
            if (figure->type < 1 || figure->type > 6) continue;
            const point3d at = SquareCentre(figure->x, figure->y);
            glPushMatrix();
            glTranslatef(at.x, at.y, at.z);
            buffers_[figure->type - 1].Draw();
            glMultMatrixf(kReflection);
            buffers_[figure->type - 1].Draw();
            glPopMatrix();
        }
        glEnableClientState(GL_NORMAL_ARRAY);
        glDisable(GL_CULL_FACE);
        glPopMatrix();
    }

    int Triangles() const {
        int count = 0;
        for (const CFigure* figure : stage_.scene.board.figures)
            if (figure->type >= 1 && figure->type <= 6)
                count += 2 * int(meshes_[figure->type - 1].faces.Size());
        return count;
    }

private:
    void Camera() const {
        stage_.picture.Renderer().ApplyCamera();
        glPushMatrix();
        glMultMatrixf(stage_.scene.settings.matrix);
    }

    CPictureStage& stage_;
    CMeshList meshes_;
    CMeshBuffers buffers_[6];
    unsigned int texture_ = 0;
};

struct sPass {
    const char* name;
    std::function<void()> draw;
};

} // namespace

int main(int argc, char** argv) {
    const std::string stageDir = argc > 1 ? argv[1] : ".";
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

    EnsureGuiApplication();
    COffscreenContext context(kWidth, kHeight);
    const auto owned = OpenPictureStage("render_floor_bench", stageDir, context, kWidth, kHeight);
    if (!owned) return 1;
    CPictureStage& stage = *owned;
    CFloorFrame floor(stage);
    const auto finished = [](const std::function<void()>& draw) {
        return [draw] {
            draw();
            glFinish();
        };
    };
    const auto figures = [&floor](bool cull) {
        return [&floor, cull] {
            floor.Clear();
            floor.Figures(cull);
        };
    };
    const sPass passes[] = {
        {"program's frame", [&stage] { stage.DrawFrame(); }},
        {"clear", finished([&] { floor.Clear(); })},
        {"clear, sky", finished([&] {
             floor.Clear();
             floor.Sky();
         })},
        {"clear, sky, board", finished([&] {
             floor.Clear();
             floor.Sky();
             floor.Board();
         })},
        {"clear, figures", finished(figures(false))},
        {"clear, figures culled", finished(figures(true))},
        {"floor frame", finished([&] {
             floor.Clear();
             floor.Figures(true);
             floor.Sky();
             floor.Board();
         })},
    };
    std::printf("%dx%d, %d figures, %d figure triangles with reflections, %s; median of %d "
                "rounds of %d frames\n",
                kWidth, kHeight, stage.scene.board.figures.Count(), floor.Triangles(),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)), rounds, frames);
    std::printf("%-22s %10s %10s %10s %14s\n", "drawing", "wall ms", "cpu ms", "drawing ms",
                "2 idle cores");
    std::vector<sFrameSamples> samples(std::size(passes));
    for (int round = 0; round < rounds; ++round)
        for (std::size_t p = 0; p < std::size(passes); ++p)
            samples[p].Add(TimeFrames(passes[p].draw, frames));
    for (std::size_t p = 0; p < std::size(passes); ++p) {
        const sFrameTiming t = samples[p].Medians();
        std::printf("%-22s %10.2f %10.2f %10.2f %11.1f ms\n", passes[p].name, t.wallMs, t.cpuMs,
                    t.mainMs, IdleTwoCoreMs(t.cpuMs, t.mainMs));
    }
    return 0;
}
