#include "engine/game_status.h"
#include "platform/library.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "position_fixture.h"

#include <gtest/gtest.h>

using namespace engine_test;

namespace {

// The engine as the program sees it: loaded by file name from the folder the
// program runs in, entry points bound by ordinal.
class LoadedEngine : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string previous = platform::CurrentDirectory();
        ASSERT_TRUE(platform::ChangeDirectory(TAVLION_STAGE_DIR));
        library = platform::LoadLibrary(kEngineLibraryName);
        platform::ChangeDirectory(previous);
        ASSERT_NE(library, nullptr);
        getCurrentState = reinterpret_cast<GetCurrentStateFn>(
            platform::GetProcAddress(library, kGetCurrentStateOrdinal));
        ASSERT_NE(getCurrentState, nullptr);
    }
    void TearDown() override { platform::FreeLibrary(library); }

    int Status(Position& p, int color) {
        int status = -1;
        getCurrentState(&p.list, color, &p.rules, &status);
        return status;
    }

    platform::LibraryHandle library = nullptr;
    GetCurrentStateFn getCurrentState = nullptr;
};

} // namespace

TEST_F(LoadedEngine, GetCurrentStateMatchesTheLinkedEngine) {
    std::mt19937 random(7);
    for (int game = 0; game < 20; ++game) {
        int side = 0;
        Position p = RandomGame(random, static_cast<int>(random() % 120), side);
        const Position before = p;
        EXPECT_EQ(Status(p, side), engine::GameStatusOf(side, p.list, p.rules));
        EXPECT_EQ(Status(p, 1 - side), engine::GameStatusOf(1 - side, p.list, p.rules));
        for (std::size_t i = 0; i < p.records.size(); ++i)
            EXPECT_EQ(p.records[i].x * 8 + p.records[i].y,
                      before.records[i].x * 8 + before.records[i].y);
    }
    Position mate = FromPlacement("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR");
    EXPECT_EQ(Status(mate, 0), kStatusMate);
}

TEST_F(LoadedEngine, MissingKingGoesThroughTheSharedMessageBox) {
    std::vector<std::string> boxes;
    auto previous = platform::SetMessageBoxHandler(
        [&](const std::string& text, const std::string& caption, int) {
            boxes.push_back(caption + ": " + text);
            return platform::kIdOk;
        });
    Position p = FromPlacement("8/p7/8/8/8/8/8/K7");
    EXPECT_EQ(Status(p, 1), kStatusNormal);
    platform::SetMessageBoxHandler(previous);
    EXPECT_EQ(boxes, std::vector<std::string>{"Debug: pKorol == NULL"});

    int status = -1;
    getCurrentState(nullptr, 0, nullptr, &status);
    EXPECT_EQ(status, kStatusStalemate);
    getCurrentState(&p.list, 0, &p.rules, nullptr);
}
