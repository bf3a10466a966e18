#pragma once

#include "config/file_storage.h"
#include "config/ini_object.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>

// The fields the program binds to its "Settings" section, with their defaults.
struct SettingsFields {
    int32_t music = 1, soundEffects = 1, gameLevel = 0, playerMode = 0, playerColor = 0,
            currentMove = 0;
    float matrix[16] = {-1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float eye[3] = {0, 8, 8};
    int32_t mirror = 1;
    float yAngle = 0;
    int32_t skyNumber = 0, skyFlague = 1, animation = 1, shadows = 1, letters = 1,
            deleteFigures = 1, texturedFigures = 0, texturedBoard = 1, timer = 1;
    Str nickname = "Player";
    int32_t moveList = 1, drawMode = 1;
};

inline void BindSettings(CFileStorage& document, SettingsFields& f) {
    CIniPartition* s = document.AddPartition("Settings");
    s->AddItem("Music", &f.music, INI_INT);
    s->AddItem("Sound Effects", &f.soundEffects, INI_INT);
    s->AddItem("Game Level", &f.gameLevel, INI_INT);
    s->AddItem("Player Mode", &f.playerMode, INI_INT);
    s->AddItem("Player Color", &f.playerColor, INI_INT);
    s->AddItem("Current Move", &f.currentMove, INI_INT);
    s->AddItem("Matrix", f.matrix, INI_MATRIX);
    s->AddItem("Camera Position", f.eye, INI_FLOAT3);
    s->AddItem("Mirror", &f.mirror, INI_INT);
    s->AddItem("YAngle", &f.yAngle, INI_FLOAT);
    s->AddItem("Sky Number", &f.skyNumber, INI_INT);
    s->AddItem("Sky Flague", &f.skyFlague, INI_INT);
    s->AddItem("Animation", &f.animation, INI_INT);
    s->AddItem("Shadows", &f.shadows, INI_INT);
    s->AddItem("Letters", &f.letters, INI_INT);
    s->AddItem("Delete Figures", &f.deleteFigures, INI_INT);
    s->AddItem("Textured Figures", &f.texturedFigures, INI_INT);
    s->AddItem("Textured Board", &f.texturedBoard, INI_INT);
    s->AddItem("Timer", &f.timer, INI_INT);
    s->AddItem("Nickname", &f.nickname, INI_STRING);
    s->AddItem("Move List", &f.moveList, INI_INT);
    s->AddItem("Draw Mode", &f.drawMode, INI_INT);
}

// An object value that keeps its text; it throws on "throw" to stand for a
// parser that fails.
struct TextObject : CIniObject {
    std::string text;
    int writeResult = 1;
    int WriteText(FILE* file) override {
        std::fputs((text + "\r\n").c_str(), file);
        return writeResult;
    }
    int ParseText(const char* value) override {
        if (std::string(value) == "throw") throw std::runtime_error("bad figures");
        text = value;
        return 1;
    }
};

// A fresh directory for one test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavlion-XXXXXX").string();
        if (const char* made = mkdtemp(pattern.data())) path_ = made;
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string File(const char* name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
