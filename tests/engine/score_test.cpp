#include "engine/engine_move.h"
#include "engine/score.h"
#include "engine/search_common.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace engine;

namespace {

int32_t Score(int type, int color, int x, int y, int tx, int ty, int kind = 0, int captured = 0,
              const sRuleState& rules = {}) {
    return ScoreMove({type, color, x, y, tx, ty, kind, captured}, rules, 0);
}

} // namespace

TEST(ScoreMove, StaticScoresWithTheEngineAsWhite) {
    EXPECT_EQ(Score(kPawn, 0, 4, 1, 4, 3), 47);
    EXPECT_EQ(Score(kPawn, 0, 0, 1, 0, 2), 0);
    EXPECT_EQ(Score(kKnight, 0, 6, 0, 5, 2), 45);
    EXPECT_EQ(Score(kKnight, 0, 1, 0, 2, 2), 5);
    EXPECT_EQ(Score(kPawn, 0, 3, 1, 4, 2, kCapture, kRook), 540);
    EXPECT_EQ(Score(kPawn, 0, 2, 1, 3, 2, kCapture, kRook), 500);
    EXPECT_EQ(Score(kKing, 0, 4, 0, 6, 0, kCastling), 20);
    EXPECT_EQ(Score(kKing, 0, 4, 0, 3, 0), -60);
    // The opponent's moves count against the engine; its pawns get no start bonus.
    EXPECT_EQ(Score(kPawn, 1, 4, 6, 4, 4), -7);
    EXPECT_EQ(Score(kKnight, 1, 6, 7, 5, 5), 40 - 40 - 5);
    EXPECT_EQ(Score(kQueen, 1, 3, 7, 3, 0, kCapture, kBishop), -300);
}

TEST(ScoreMove, PromotionBonusAndItsReturnOnCapture) {
    EXPECT_EQ(Score(kPawn, 0, 4, 6, 4, 7), 6 + 700);
    EXPECT_EQ(Score(kPawn, 1, 4, 1, 4, 0), -6 - 700);
    // A black rook taking the white pawn that reached rank 8 gives the bonus back.
    EXPECT_EQ(Score(kRook, 1, 3, 7, 4, 7, kCapture, kPawn), -100 - 700);
    EXPECT_EQ(Score(kRook, 1, 3, 6, 4, 6, kCapture, kPawn), -100);
}

TEST(ScoreMove, RookAndKingTermsFollowTheMovedFlags) {
    sRuleState rules{};
    EXPECT_EQ(Score(kRook, 0, 0, 0, 0, 3, 0, 0, rules), -30);
    EXPECT_EQ(Score(kRook, 0, 7, 4, 7, 6, 0, 0, rules), -30); // any rank on file H
    rules[8] = 1;                                             // the rook that stood on file A
    EXPECT_EQ(Score(kRook, 0, 0, 0, 0, 3, 0, 0, rules), 0);
    EXPECT_EQ(Score(kRook, 0, 7, 0, 7, 3, 0, 0, rules), -30);
    rules[0] = 1;
    EXPECT_EQ(Score(kRook, 0, 7, 0, 7, 3, 0, 0, rules), 0);
    EXPECT_EQ(Score(kKing, 0, 4, 0, 3, 0, 0, 0, rules), 0);
    EXPECT_EQ(Score(kRook, 0, 3, 0, 3, 3, 0, 0, sRuleState{}), 0);
    EXPECT_EQ(Score(7, 0, 3, 0, 3, 3), 0);
}

TEST(Choice, CandidateRunAndExchangeOrder) {
    struct Priced {
        int32_t price;
        int tag;
    };
    Priced moves[] = {{5, 0}, {7, 1}, {7, 2}, {4, 3}, {9, 4}};
    ExchangeSort(std::span<Priced>(moves), true);
    const int engineOrder[] = {4, 2, 1, 0, 3};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(moves[k].tag, engineOrder[k]) << k;
    EXPECT_EQ(CandidateCount(std::span<const Priced>(moves)), 3u); // 9, 7, 7 within 2 points
    ExchangeSort(std::span<Priced>(moves), false);
    EXPECT_EQ(moves[0].price, 4);
    EXPECT_EQ(moves[4].price, 9);

    Priced two[] = {{10, 0}, {8, 1}};
    Priced three[] = {{10, 0}, {7, 1}};
    EXPECT_EQ(CandidateCount(std::span<const Priced>(two)), 2u);
    EXPECT_EQ(CandidateCount(std::span<const Priced>(three)), 1u);
}

TEST(Choice, FirstRuntimeNumberAfterSeedingWithTheSecond) {
    for (int64_t second : {0LL, 1LL, 1700000000LL, 1700000001LL, 4102444800LL}) {
        std::srand(static_cast<unsigned>(second));
        const int expected = std::rand();
        EXPECT_EQ(ChoiceNumber(second), expected);
        EXPECT_EQ(ChoiceNumber(second), expected);
    }
}

TEST(Prices, MateAndStalemateScaleWithThePliesToSpare) {
    SearchContext ctx;
    ctx.engineColor = 0;
    ctx.depth = 2;
    EXPECT_EQ(MatePrice(ctx, 1, 1), 66666);
    EXPECT_EQ(MatePrice(ctx, 1, 0), 33333);
    EXPECT_EQ(MatePrice(ctx, 0, 2), -100000);
    EXPECT_EQ(StalematePrice(ctx, 0, 0), 16666);
    EXPECT_EQ(StalematePrice(ctx, 1, 1), -33333);
    EXPECT_EQ(WeightedPrice(ctx, 0, -47), -15);
    EXPECT_EQ(IllegalPrice(ctx, 0), -65535);
    EXPECT_EQ(IllegalPrice(ctx, 1), 65535);
}
