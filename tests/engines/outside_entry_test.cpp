// The outside program behind the engine entry: its move is written as the
// library's would be, and when it fails the player is told and the built-in
// engine moves instead.
#include <gtest/gtest.h>

#include "entry_outputs.h"

#include "engines/figure_set.h"
#include "engines/outside_entry.h"
#include "fake_engines.h"
#include "notation/board_bridge.h"
#include "notation/fen.h"
#include "platform/message_box.h"

namespace engines {
namespace {

int builtInCalls = 0;

int CountingBuiltIn(sFigureList* list, int, int, sRuleState*, CFigure** captured, CFigure** moved,
                    int* x, int* y, int*) {
    ++builtInCalls;
    *captured = nullptr;
    *moved = FigureOn(*list, 3, 6); // d7
    *x = 3, *y = 5;
    return 0;
}

class OutsideEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        builtInCalls = 0;
        previousBox = platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string&, int) {
                messages.push_back(text);
                return int(platform::kIdOk);
            });
        settings.kind = kUciEngine;
        for (LevelPlay& l : settings.levels) l.moveTimeMs = 100;
        BindOutsideEngine(&opponent, &settings, &CountingBuiltIn);
    }
    void TearDown() override {
        BindOutsideEngine(nullptr, nullptr, nullptr);
        platform::SetMessageBoxHandler(previousBox);
    }
    // The computer plays Black after 1. e4.
    EntryOutputs Move() {
        const notation::Position p =
            notation::ReadFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1")
                .position;
        figures = std::make_unique<FigureSet>(p);
        rights = notation::RightsFromPosition(p);
        EntryOutputs w;
        OutsideComputerMove(figures->List(), 0, 1, &rights, &w.captured, &w.moved, &w.x, &w.y,
                            &stop);
        return w;
    }
    FakeEngines fakes;
    UciOpponent opponent;
    OutsideEngineSettings settings;
    std::unique_ptr<FigureSet> figures;
    sRuleState rights{};
    int stop = 0;
    std::vector<std::string> messages;
    platform::MessageBoxHandler previousBox;
};

TEST_F(OutsideEntryTest, TheProgramsMoveComesThroughTheEntrysOutputs) {
    settings.path = fakes.Make("good", "echo 'bestmove g8f6'");
    const EntryOutputs w = Move();
    ASSERT_TRUE(w.moved);
    EXPECT_EQ(w.moved->type, kKnight);
    EXPECT_EQ(w.moved->x, 6);
    EXPECT_EQ(w.x, 5);
    EXPECT_EQ(w.y, 5);
    EXPECT_EQ(builtInCalls, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(OutsideEntryTest, AFailingProgramIsReportedAndTheBuiltInEngineMoves) {
    settings.path = fakes.Make("broken", "echo 'bestmove e7e4'");
    const EntryOutputs w = Move();
    EXPECT_EQ(builtInCalls, 1);
    ASSERT_TRUE(w.moved);
    EXPECT_EQ(w.moved->x, 3);
    EXPECT_EQ(w.y, 5);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The chess engine \"broken\" answered \"e7e4\", which is not a legal "
                           "move here. The built-in engine makes this move.");
}

TEST_F(OutsideEntryTest, WithoutAProgramBoundTheBuiltInEngineMoves) {
    BindOutsideEngine(nullptr, nullptr, &CountingBuiltIn);
    Move();
    EXPECT_EQ(builtInCalls, 1);
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace engines
