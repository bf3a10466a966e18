#pragma once

#include "platform/message_box.h"
#include "render/offscreen_context.h"
#include "support/picture_stage.h"

#include <cstdio>
#include <memory>
#include <string>

// The picture stage a render benchmark draws, on `context`, with the opening
// played; messages go to stderr. Null, with the reason on stderr, when there
// is no context or no stage with the engine in `stageDir`.
inline std::unique_ptr<CPictureStage> OpenPictureStage(const char* program,
                                                       const std::string& stageDir,
                                                       const COffscreenContext& context, int width,
                                                       int height) {
    if (!context.Valid()) {
        std::fprintf(stderr, "%s: no GLX pbuffer (is DISPLAY set?)\n", program);
        return nullptr;
    }
    platform::SetMessageBoxHandler([](const std::string& text, const std::string& caption, int) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return int(platform::kIdOk);
    });
    auto stage = std::make_unique<CPictureStage>(stageDir, width, height);
    if (!stage->Ok()) {
        std::fprintf(stderr, "%s: no stage with the engine in %s\n", program, stageDir.c_str());
        return nullptr;
    }
    stage->PlayOpening();
    return stage;
}
