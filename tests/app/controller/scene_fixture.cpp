#include "scene_fixture.h"

#include "platform/message_box.h"

#include <fstream>
#include <sstream>

#include <stdlib.h>

uint32_t SceneTest::FakeTicks() {
    return now;
}

void SceneTest::SetUp() {
    previousDir = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "scene-XXXXXX").string();
    workDir = mkdtemp(pattern.data());
    std::filesystem::current_path(workDir);
    platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string&, int buttons) {
            boxes.push_back(text);
            if (buttons != platform::kYesNo) return int(platform::kIdOk);
            const bool yes = !answers.empty() && answers.front();
            if (!answers.empty()) answers.pop_front();
            return int(yes ? platform::kIdYes : platform::kIdNo);
        });
    SetClockTickSource(FakeTicks);
}

void SceneTest::TearDown() {
    scene.reset();
    SetClockTickSource(nullptr);
    platform::SetMessageBoxHandler(nullptr);
    std::filesystem::current_path(previousDir);
    std::filesystem::remove_all(workDir);
}

CScene& SceneTest::StartScene() {
    scene = std::make_unique<CScene>(host);
    EXPECT_EQ(scene->Create(), 1);
    scene->playWave = [](const std::string&) { return true; };
    return *scene;
}

void SceneTest::StopScene() {
    scene->Destroy();
    scene.reset();
}

void SceneTest::WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(workDir / name, std::ios::binary) << text;
}

std::string SceneTest::ReadFile(const std::string& name) const {
    std::ifstream in(workDir / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
