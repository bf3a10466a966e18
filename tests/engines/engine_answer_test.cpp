// Standard moves written through the engine entry's outputs, as the
// library writes its own, and the library's answers read back as moves.
#include <gtest/gtest.h>

#include "entry_outputs.h"

#include "engine/rule_words.h"
#include "engines/engine_answer.h"
#include "engines/figure_set.h"
#include "engines/uci_text.h"
#include "notation/board_bridge.h"
#include "notation/fen.h"

namespace engines {
namespace {

class EngineAnswerTest : public ::testing::Test {
protected:
    EntryOutputs Write(const char* fen, const char* move) {
        position = notation::ReadFen(fen).position;
        figures = std::make_unique<FigureSet>(position);
        rights = notation::RightsFromPosition(position);
        EntryOutputs w;
        WriteAnswer(position, *uci::ReadMove(move), *figures->List(), rights, &w.captured, &w.moved,
                    &w.x, &w.y);
        return w;
    }
    notation::Position position;
    std::unique_ptr<FigureSet> figures;
    sRuleState rights{};
};

TEST_F(EngineAnswerTest, APlainCaptureNamesTheVictimAndLeavesTheMoverWhereItStands) {
    const EntryOutputs w = Write("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4d5");
    ASSERT_TRUE(w.moved && w.captured);
    EXPECT_EQ((sState{w.moved->type, w.moved->color, w.moved->x, w.moved->y}),
              (sState{kPawn, 0, 4, 3}));
    EXPECT_EQ(w.captured->x, 3);
    EXPECT_EQ(w.captured->y, 4);
    EXPECT_EQ(w.x, 3);
    EXPECT_EQ(w.y, 4);
}

TEST_F(EngineAnswerTest, EnPassantTakesThePawnBeside) {
    const EntryOutputs w = Write("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6");
    ASSERT_TRUE(w.captured);
    EXPECT_EQ(w.captured->x, 3);
    EXPECT_EQ(w.captured->y, 4);
    EXPECT_EQ(rights[rule::EnPassantAllowed(0)], 0);
}

TEST_F(EngineAnswerTest, CastlingMovesTheRookAndMarksTheKing) {
    const EntryOutputs w = Write("r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "e8c8");
    EXPECT_EQ(w.captured, nullptr);
    ASSERT_TRUE(w.moved);
    EXPECT_EQ(w.moved->type, kKing);
    EXPECT_EQ(FigureOn(*figures->List(), 3, 7)->type, kRook);
    EXPECT_EQ(FigureOn(*figures->List(), 0, 7), nullptr);
    EXPECT_EQ(rights[rule::KingMoved(1)], 1);
}

TEST_F(EngineAnswerTest, ACornerRookMarksItsWordAsTheLibraryDoes) {
    Write("4k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "a1a5");
    EXPECT_EQ(rights[rule::EngineRookMoved(0, 0)], 1);
    EXPECT_EQ(rights[rule::KingMoved(0)], 0);
}

TEST_F(EngineAnswerTest, PromotionSetsTheChosenFigure) {
    const EntryOutputs w = Write("1n2k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a7b8n");
    ASSERT_TRUE(w.moved && w.captured);
    EXPECT_EQ(w.moved->type, kKnight);
    EXPECT_EQ(w.captured->type, kKnight);
    EXPECT_EQ(w.captured->color, 1);
}

TEST(EngineAnswer, ReadsTheLibrarysAnswerBack) {
    CFigure pawn{kQueen, 0, 0, 6, 0};
    EXPECT_EQ(notation::ToUci(*ReadAnswer(&pawn, kPawn, 0, 7)), "a7a8q");
    CFigure knight{kKnight, 1, 6, 7, 0};
    EXPECT_EQ(notation::ToUci(*ReadAnswer(&knight, kKnight, 5, 5)), "g8f6");
    EXPECT_FALSE(ReadAnswer(nullptr, 0, 1, 1));
    EXPECT_FALSE(ReadAnswer(&knight, kKnight, -1, 5));
}

} // namespace
} // namespace engines
