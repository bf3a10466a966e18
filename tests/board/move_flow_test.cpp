#include "flow_fixture.h"

namespace {

using TwoPlayers = CFlowTest;

TEST_F(TwoPlayers, FoolsMateEndsTheGame) {
    NewGame(1, kWhite);
    Move("F2", "F3");
    Move("E7", "E5");
    Move("G2", "G4");
    Move("D8", "H4");
    EXPECT_EQ(boxes, std::vector<std::string>{"Mate!"});
    EXPECT_EQ(services.sounds, (std::vector<int>{0, 0, 0, 2}));
    EXPECT_EQ(board.gameOver, 1);
    EXPECT_EQ(services.gameStarted, 0);
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"F2 - F3", "E7 - E5", "G2 - G4", "D8 - H4"}));
    EXPECT_EQ(board.history.Count(), 5);
    // The board turns to the side that lost, whose move it would be.
    EXPECT_EQ(services.faces, (std::vector<int>{kBlack, kWhite, kBlack, kWhite}));
    EXPECT_EQ(services.currentMove, kWhite);

    const std::string over = Snapshot();
    Move("E2", "E4");
    EXPECT_EQ(Snapshot(), over);
}

TEST_F(TwoPlayers, TurnsAlternateAndTheBoardFacesTheMover) {
    NewGame(1, kWhite);
    std::vector<int> toMove;
    for (auto [from, to] : {std::pair{"E2", "E4"}, {"E7", "E5"}, {"G1", "F3"}, {"B8", "C6"}}) {
        Move(from, to);
        toMove.push_back(services.currentMove);
    }
    EXPECT_EQ(toMove, (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(services.faces, (std::vector<int>{kBlack, kWhite, kBlack, kWhite}));
    EXPECT_EQ(board.history.Count(), 5);
    EXPECT_EQ(services.gameStarted, 1);
    EXPECT_EQ(TypeAt("F3"), kKnight);
    EXPECT_EQ(TypeAt("C6"), kKnight);
}

TEST_F(TwoPlayers, SelectionFollowsOwnFiguresOnly) {
    NewGame(1, kWhite);
    Click("E7");
    EXPECT_EQ(board.selected, 0);
    Click("E2");
    Click("D2");
    EXPECT_EQ(board.selected, 1);
    EXPECT_EQ(board.selectedFigure, At("D2"));
    EXPECT_EQ(board.lastMove.fromX, 3);
    Click("E5"); // not a target of the pawn on D2
    EXPECT_EQ(board.selected, 1);
    EXPECT_TRUE(moves.entries.Empty());
    Click("D4");
    EXPECT_EQ(TypeAt("D4"), kPawn);
    EXPECT_EQ(MoveTexts(), std::vector<std::string>{"D2 - D4"});
}

TEST_F(TwoPlayers, BothCastlingsTakeTheirRook) {
    NewGame(1, kWhite);
    services.animation = 1;
    for (auto [from, to] : {std::pair{"E2", "E4"},
                            {"E7", "E5"},
                            {"G1", "F3"},
                            {"G8", "F6"},
                            {"F1", "C4"},
                            {"F8", "C5"},
                            {"E1", "G1"},
                            {"E8", "G8"}})
        Move(from, to);
    EXPECT_EQ(TypeAt("G1"), kKing);
    EXPECT_EQ(TypeAt("F1"), kRook);
    EXPECT_EQ(TypeAt("G8"), kKing);
    EXPECT_EQ(TypeAt("F8"), kRook);
    EXPECT_EQ(At("H1"), nullptr);
    EXPECT_EQ((std::array{board.rights[0], board.rights[1], board.rights[8], board.rights[10]}),
              (std::array{1, 1, 1, 1}));
    // The king is animated, then the rook with the king already in place.
    const auto& a = services.animations;
    ASSERT_GE(a.size(), 2u);
    const auto& rook = a[a.size() - 1];
    EXPECT_EQ(rook.from, Sq("H8"));
    EXPECT_EQ((sSquare{rook.toX, rook.toY}), Sq("F8"));
    EXPECT_EQ(rook.captured, nullptr);
    EXPECT_EQ(a[a.size() - 2].from, Sq("E8"));

    NewGame(1, kWhite);
    for (auto [from, to] : {std::pair{"D2", "D4"},
                            {"D7", "D5"},
                            {"B1", "C3"},
                            {"B8", "C6"},
                            {"C1", "F4"},
                            {"C8", "F5"},
                            {"D1", "D2"},
                            {"D8", "D7"},
                            {"E1", "C1"},
                            {"E8", "C8"}})
        Move(from, to);
    EXPECT_EQ(TypeAt("C1"), kKing);
    EXPECT_EQ(TypeAt("D1"), kRook);
    EXPECT_EQ(TypeAt("C8"), kKing);
    EXPECT_EQ(TypeAt("D8"), kRook);
    EXPECT_EQ((std::array{board.rights[9], board.rights[11]}), (std::array{1, 1}));
    EXPECT_EQ(moves.entries.Count(), 10);
}

TEST_F(TwoPlayers, EnPassantTakesThePawnThatPassed) {
    NewGame(1, kWhite);
    Move("E2", "E4");
    Move("A7", "A6");
    Move("E4", "E5");
    Move("D7", "D5");
    Move("E5", "D6");
    EXPECT_EQ(TypeAt("D6"), kPawn);
    EXPECT_EQ(At("D5"), nullptr);
    ASSERT_EQ(board.capturedBlack.Count(), 1);
    EXPECT_EQ(Fields(*board.capturedBlack[0]), (sFields{kPawn, kBlack, 3, 4}));
    EXPECT_EQ(MoveTexts().back(), "E5 - D6");
}

TEST_F(TwoPlayers, PromotionAsksForEachFigure) {
    for (int type : {kKnight, kBishop, kRook, kQueen}) {
        Position({{kKing, kWhite, 4, 0},
                  {kPawn, kWhite, 1, 6},
                  {kKing, kBlack, 7, 5},
                  {kRook, kBlack, 0, 7}},
                 kWhite);
        services.promotionType = type;
        Move("B7", "B8");
        EXPECT_EQ(TypeAt("B8"), type);
        EXPECT_EQ((std::array{board.rights[12], board.rights[13]}), (std::array{1, type}));
    }
    Position({{kKing, kWhite, 4, 0},
              {kPawn, kWhite, 1, 6},
              {kKing, kBlack, 7, 5},
              {kRook, kBlack, 0, 7}},
             kWhite);
    services.promotionType = kKnight;
    Move("B7", "A8");
    EXPECT_EQ(TypeAt("A8"), kKnight);
    EXPECT_EQ(board.capturedBlack.Count(), 1);
    EXPECT_EQ(services.promotionsAsked, 5);
}

TEST_F(TwoPlayers, StalemateEndsTheGame) {
    Position({{kKing, kWhite, 5, 6}, {kQueen, kWhite, 6, 4}, {kKing, kBlack, 7, 7}}, kWhite);
    Move("G5", "G6");
    EXPECT_EQ(boxes, std::vector<std::string>{"StaleMate!"});
    EXPECT_EQ(services.sounds, std::vector<int>{2});
    EXPECT_EQ(board.gameOver, 1);
    EXPECT_EQ(board.history.Count(), 2);
}

TEST_F(TwoPlayers, CheckPlaysItsSound) {
    NewGame(1, kWhite);
    Move("E2", "E4");
    Move("F7", "F6");
    Move("D1", "H5");
    EXPECT_EQ(services.sounds.back(), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TwoPlayers, BlockedStatesIgnoreClicks) {
    NewGame(1, kWhite);
    const auto blockedClickChangesNothing = [&](const char* why) {
        const std::string before = Snapshot();
        Click("E2");
        Move("G1", "F3");
        EXPECT_EQ(Snapshot(), before) << why;
    };
    board.animating = 1;
    blockedClickChangesNothing("animating");
    board.animating = 0;
    board.thinking = 1;
    blockedClickChangesNothing("thinking");
    board.thinking = 0;
    board.gameOver = 1;
    blockedClickChangesNothing("game over");
    board.gameOver = 0;
    services.waitingForPeer = 1;
    blockedClickChangesNothing("waiting for the peer");
    services.waitingForPeer = 0;
    services.playerColor = 1;
    blockedClickChangesNothing("black before the game started");
    services.playerColor = 0;

    Click("E2");
    EXPECT_EQ(board.selected, 1);
}

TEST_F(TwoPlayers, ClicksBesideTheBoardDoNothing) {
    NewGame(1, kWhite);
    Click("E2");
    const std::string before = Snapshot();
    board.OnBoardClick({0, 12, 0}, kEye); // beyond the near edge
    board.OnBoardClick({0, 8, 8}, kEye);  // no ray at all
    board.OnBoardClick({5, 8, 8}, kEye);  // parallel to the board
    EXPECT_EQ(Snapshot(), before);
}

} // namespace
