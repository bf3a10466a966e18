// Time of the program's own frame -- sky, board, 32 figures with their
// reflections and shadows, captured figures, letters, both clocks and the
// move list -- drawn offscreen at 1280 x 800, and what each part of it costs:
// the frame with that part left out, and the difference. Wall time and the
// process's CPU time (the software renderer's threads included) are both
// printed, since other work on the machine shows in the first only.
// Usage: render_bench [stage directory] [frames] [rounds] [part]

#include "bench_stage.h"
#include "frame_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// One pass: the frame with one part taken away (none for the full frame).
struct sPass {
    const char* name;
    std::function<void(CPictureStage&)> takeAway;
};

template <int sSettings::*field> void SwitchOff(CPictureStage& stage) {
    stage.scene.settings.*field = 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string stageDir = argc > 1 ? argv[1] : ".";
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    // A part's name times that part alone beside the full frame; "full" the full frame only.
    const std::string only = argc > 4 ? argv[4] : "";
    constexpr int kWidth = 1280, kHeight = 800;

    EnsureGuiApplication();
    COffscreenContext context(kWidth, kHeight);
    const auto owned = OpenPictureStage("render_bench", stageDir, context, kWidth, kHeight);
    if (!owned) return 1;
    CPictureStage& stage = *owned;

    const sPass passes[] = {
        {"full frame", nullptr},
        {"figures", [](CPictureStage& s) { s.scene.board.figures.Swap(s.hidden); }},
        {"mirror", SwitchOff<&sSettings::mirror>},
        {"shadows", SwitchOff<&sSettings::shadows>},
        {"sky", SwitchOff<&sSettings::skyFlague>},
        {"letters", SwitchOff<&sSettings::letters>},
        {"captured figures", SwitchOff<&sSettings::deleteFigures>},
        {"move list (text)", SwitchOff<&sSettings::moveList>},
        {"clocks (text)", SwitchOff<&sSettings::timer>},
    };
    std::printf("%dx%d, %d figures, %d moves played, %s; median of %d rounds of %d frames\n",
                kWidth, kHeight, stage.scene.board.figures.Count(),
                stage.scene.moveTable.entries.Count(),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)), rounds, frames);
    std::printf("%-18s %10s %10s %10s   %s\n", "part", "wall ms", "cpu ms", "drawing ms",
                "frame without it (wall)");
    // Rounds go over every pass in turn, so that a change in the machine's
    // load falls on all of them alike.
    std::vector<sFrameSamples> samples(std::size(passes));
    for (int round = 0; round < rounds; ++round)
        for (std::size_t p = 0; p < std::size(passes); ++p) {
            if (p > 0 && !only.empty() && only != passes[p].name) continue;
            const sSettings savedSettings = stage.scene.settings;
            if (passes[p].takeAway) passes[p].takeAway(stage);
            samples[p].Add(TimeFrames([&stage] { stage.DrawFrame(); }, frames));
            stage.scene.settings = savedSettings;
            if (stage.hidden.Count()) stage.scene.board.figures.Swap(stage.hidden);
        }
    const sFrameTiming full = samples[0].Medians();
    const std::vector<double>& fullWalls = samples[0].wall;
    const double idle = IdleTwoCoreMs(full.cpuMs, full.mainMs);
    std::printf("%-18s %10.2f %10.2f %10.2f   %.1f fps; on two idle cores about %.1f ms, %.0f fps "
                "(wall %.2f..%.2f ms)\n",
                passes[0].name, full.wallMs, full.cpuMs, full.mainMs, 1000 / full.wallMs, idle,
                1000 / idle, *std::min_element(fullWalls.begin(), fullWalls.end()),
                *std::max_element(fullWalls.begin(), fullWalls.end()));
    for (std::size_t p = 1; p < std::size(passes); ++p) {
        if (samples[p].Empty()) continue;
        const sFrameTiming t = samples[p].Medians();
        std::printf("%-18s %10.2f %10.2f %10.2f   %.2f ms\n", passes[p].name,
                    full.wallMs - t.wallMs, full.cpuMs - t.cpuMs, full.mainMs - t.mainMs, t.wallMs);
    }
    return 0;
}
