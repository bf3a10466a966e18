#include "scene_fixture.h"

#include "platform/sound.h"

#include <chrono>
#include <cstring>
#include <fstream>

namespace {

std::vector<std::string> played;
bool Record(const std::string& path) {
    played.push_back(path);
    return true;
}

// A mono 16-bit WAV of the given length, silent.
void WriteWave(const std::filesystem::path& path, int milliseconds) {
    const uint32_t rate = 22050, samples = rate * milliseconds / 1000, data = samples * 2;
    auto word = [](std::ofstream& out, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(char(v >> (8 * i)));
    };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    word(out, 36 + data, 4);
    out << "WAVEfmt ";
    word(out, 16, 4);
    word(out, 1, 2); // PCM
    word(out, 1, 2); // mono
    word(out, rate, 4);
    word(out, rate * 2, 4); // bytes per second
    word(out, 2, 2);        // block
    word(out, 16, 2);       // bits
    out << "data";
    word(out, data, 4);
    out << std::string(data, '\0');
}

} // namespace

TEST_F(SceneTest, SoundEffectsArePlayedFromTheSoundsFolder) {
    CScene& s = StartScene();
    played.clear();
    s.playWave = Record;
    s.startupDir = "C:\\Games";
    for (int kind : {0, 1, 2, 3, -1}) s.PlaySoundEffect(kind);
    EXPECT_EQ(played,
              (std::vector<std::string>{"C:/Games/Sounds//step.wav", "C:/Games/Sounds//shah.wav",
                                        "C:/Games/Sounds//mat.wav"}));
    s.settings.soundEffects = 0;
    s.PlaySoundEffect(0);
    EXPECT_EQ(played.size(), 3u);
}

TEST_F(SceneTest, MissingSoundFilesPlayNothingAndSayNothing) {
    CScene& s = StartScene();
    s.playWave = platform::PlayWaveFile;
    const auto start = std::chrono::steady_clock::now();
    for (int kind : {0, 1, 2}) s.PlaySoundEffect(kind);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(platform::PlayWaveFile((workDir / "Sounds" / "step.wav").string()));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SceneTest, AWaveFilePlaysToItsEndBeforeTheCallReturns) {
    std::filesystem::create_directory(workDir / "Sounds");
    WriteWave(workDir / "Sounds" / "step.wav", 300);
    CScene& s = StartScene();
    s.playWave = platform::PlayWaveFile;
    const auto start = std::chrono::steady_clock::now();
    s.PlaySoundEffect(0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(290));
    EXPECT_TRUE(boxes.empty());
}
