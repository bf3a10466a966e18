#pragma once

#include "app/controller/scene.h"
#include "notation/pgn_reader.h"
#include "support/scene_clicks.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A window that records what the controller asks of it.
struct FakeHost : CSceneHost {
    void RenderFrame() override { ++frames; }
    void ApplyCamera() override { ++cameraApplied; }
    void SetTitle(const std::string& text) override { title = text; }
    void StartMusic() override { music.push_back(true); }
    void StopMusic() override { music.push_back(false); }
    void ReloadSky(int number) override { skies.push_back(number); }
    int ChoosePromotion(int color) override {
        promotionColors.push_back(color);
        return promotion;
    }
    void SendMoveToPeer(int fromX, int fromY, int toX, int toY, const sRuleState&) override {
        sentMoves.push_back({fromX, fromY, toX, toY});
    }
    void SendNewGameToPeer() override { ++sentNewGames; }
    int ChoosePgnGame(const std::vector<notation::PgnGameEntry>& games) override {
        offeredGames.push_back(games.size());
        return chosenGame;
    }
    std::string PeerNickname() const override { return peerNickname; }

    int frames = 0;
    int cameraApplied = 0;
    std::string title = "Tavlion";
    std::vector<bool> music;
    std::vector<int> skies;
    std::vector<int> promotionColors;
    int promotion = 5;
    std::vector<std::vector<int>> sentMoves;
    int sentNewGames = 0;
    std::vector<size_t> offeredGames;
    int chosenGame = 0;
    std::string peerNickname;
};

// Each test runs in an empty working directory of its own, with message
// boxes captured (a Yes/No question takes the next of `answers`, No when
// none is left) and a fake millisecond source for the clocks.
class SceneTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A controller started in the working directory, as the view starts it.
    CScene& StartScene();
    // Destroys the controller as the view does (which saves the settings).
    void StopScene();
    void WriteFile(const std::string& name, const std::string& text);
    std::string ReadFile(const std::string& name) const;

    static uint32_t FakeTicks();
    static inline uint32_t now = 0;

    FakeHost host;
    std::unique_ptr<CScene> scene;
    std::filesystem::path workDir;
    std::filesystem::path previousDir;
    std::vector<std::string> boxes;
    std::deque<bool> answers;
};
