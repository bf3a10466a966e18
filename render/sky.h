#pragma once

#include "render/sky_part.h"

#include <string>

// The textured shell drawn around the board, seen from inside. Its pictures
// come from one environment folder, chosen by number.
class CSky {
public:
    CSky();
    CSky(const CSky&) = delete;
    CSky& operator=(const CSky&) = delete;
    virtual ~CSky() = default;

    // Selects environment `skyNumber`. The number stays linked: a selection
    // that clamps it writes the clamped value back. The pictures need a
    // current GL context.
    void Init(const std::string& startupDir, int& skyNumber);
    bool Initialised() const { return skyNumber_ != nullptr; }
    // Positions := the built positions times `factor` (10 puts the corners
    // at distance 10).
    void SetScale(float factor);
    // Chooses environment n of ListEnvironments (clamped to the ones there
    // are) and loads its pictures. 0, with a message, when the folder holds
    // nothing that can be listed; else 1. Before Init: 0, and nothing shown.
    int SelectEnvironment(int n);
    // The six pictures of the current environment; nothing while none is
    // selected.
    void LoadTextures();
    // Whether the current environment's pictures were loaded (or tried) in
    // the current context, so a rendering set-up need not load them again.
    bool TexturesLoaded() const { return texturesLoaded_; }
    // The faces, turned a quarter about x so the tables' "up" becomes +z.
    void Draw() const;
    // After the GL context went away: the texture names are no longer valid.
    void DropTextures();

    int PartCount() const { return kParts; }
    CSkyPart& Part(int i) { return i >= 0 && i < kParts ? parts_[i] : spare_; }
    const std::string& EnvironmentFolder() const { return environmentFolder_; }

private:
    static constexpr int kParts = 6;

    CSkyPart parts_[kParts];
    CSkyPart spare_;
    std::string startupDir_;
    std::string environmentFolder_;
    int* skyNumber_ = nullptr;
    bool texturesLoaded_ = false;
};
