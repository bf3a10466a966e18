#include "flow_fixture.h"

namespace {

class Remote : public CFlowTest {
protected:
    void SetUp() override {
        CFlowTest::SetUp();
        services.networkGame = 1;
    }
};

TEST_F(Remote, MovesGoToThePeerAndComeBack) {
    NewGame(1, kWhite);
    EXPECT_TRUE(board.history.Empty());
    Move("E2", "E4");
    ASSERT_EQ(services.sent.size(), 1u);
    EXPECT_EQ(services.sent[0], (std::array{4, 1, 4, 3}));
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_TRUE(services.faces.empty());

    board.ApplyRemoteMove(256 + 4, 6, 4, 0x104); // only the low byte counts
    EXPECT_EQ(TypeAt("E5"), kPawn);
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"E2 - E4", "E7 - E5"}));
    EXPECT_EQ(services.sounds, (std::vector<int>{0, 0}));
    EXPECT_TRUE(board.history.Empty());
}

TEST_F(Remote, MalformedMovesAreIgnored) {
    NewGame(1, kWhite);
    const std::string before = Snapshot();
    board.ApplyRemoteMove(255, 6, 3, 4); // file -1
    board.ApplyRemoteMove(3, 7, 3, 6);   // onto its own pawn
    board.ApplyRemoteMove(3, 6, 3, 6);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Remote, CastlingPromotionAndEnPassant) {
    Position({{kKing, kWhite, 4, 0},
              {kPawn, kWhite, 4, 1},
              {kPawn, kBlack, 3, 3},
              {kPawn, kBlack, 1, 1},
              {kKing, kBlack, 4, 7},
              {kRook, kBlack, 7, 7}},
             kWhite);
    Move("E2", "E4");
    board.ApplyRemoteMove(3, 3, 4, 2);
    EXPECT_EQ(At("E4"), nullptr);
    ASSERT_EQ(board.capturedWhite.Count(), 1);

    board.ApplyRemoteMove(4, 7, 6, 7);
    EXPECT_EQ(TypeAt("G8"), kKing);
    EXPECT_EQ(TypeAt("F8"), kRook);

    board.rights[12] = 1;
    board.rights[13] = kKnight;
    board.ApplyRemoteMove(1, 1, 1, 0);
    EXPECT_EQ(TypeAt("B1"), kKnight);
}

TEST_F(Remote, MateEitherWay) {
    NewGame(1, kWhite);
    Move("F2", "F3");
    board.ApplyRemoteMove(4, 6, 4, 4);
    Move("G2", "G4");
    board.ApplyRemoteMove(3, 7, 7, 3);
    EXPECT_EQ(boxes, std::vector<std::string>{"Mate!"});
    EXPECT_EQ(board.gameOver, 1);

    NewGame(1, kBlack);
    services.gameStarted = 1;
    board.ApplyRemoteMove(5, 1, 5, 2);
    Move("E7", "E5");
    board.ApplyRemoteMove(6, 1, 6, 3);
    Move("D8", "H4");
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(services.sent.size(), 4u) << "the mating move is sent too";
    EXPECT_EQ(services.sent.back(), (std::array{3, 7, 7, 3}));

    services.networkGame = 0;
    board.SendLastMove();
    EXPECT_EQ(services.sent.size(), 4u);
}

} // namespace
