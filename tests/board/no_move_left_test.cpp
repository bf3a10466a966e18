#include "flow_fixture.h"

// The game ends when the side to move has no move the board accepts, also
// where the engine's status test calls the position normal.
namespace {

class NoMoveLeft : public CScriptedFlowTest {
protected:
    // White: Kh1, Ng2, Pa2. Black: Kh3, Ne2, Ba8, Pa4. Once the bishop stands
    // on d5 and the pawn on a3, White's only targets are those of the pinned
    // knight and of its king, and every one of them is refused.
    void PinnedKnight(int mode, int toMove) {
        Position({{kKing, kWhite, 7, 0},
                  {kKnight, kWhite, 6, 1},
                  {kPawn, kWhite, 0, 1},
                  {kKing, kBlack, 7, 2},
                  {kKnight, kBlack, 4, 1},
                  {kBishop, kBlack, 0, 7},
                  {kPawn, kBlack, 0, 3}},
                 toMove, mode);
    }

    void ExpectOver(const char* verdict) {
        EXPECT_EQ(boxes, std::vector<std::string>{verdict});
        EXPECT_EQ(services.sounds.back(), 2);
        EXPECT_EQ(board.gameOver, 1);
        EXPECT_EQ(services.gameStarted, 0);
    }
};

// An engine whose escape test finds a way out of every check.
void NeverMate(sFigureList* list, int color, sRuleState* rules, int* status) {
    BuiltEngine().currentState(list, color, rules, status);
    if (*status == kStatusMate) *status = kStatusCheck;
}

TEST_F(NoMoveLeft, TwoPlayersStalemateTheStatusTestMisses) {
    PinnedKnight(1, kBlack);
    board.FigureAt(0, 1)->y = 2;
    Move("A8", "D5");
    ExpectOver("StaleMate!");
    EXPECT_EQ(services.currentMove, kWhite);
    EXPECT_EQ(board.history.Count(), 2);
}

TEST_F(NoMoveLeft, TwoPlayersMateTheStatusTestMisses) {
    services.currentState = &NeverMate;
    NewGame(1, kWhite);
    for (auto [from, to] : {std::pair{"F2", "F3"}, {"E7", "E5"}, {"G2", "G4"}, {"D8", "H4"}})
        Move(from, to);
    ExpectOver("Mate!");
}

TEST_F(NoMoveLeft, ThePlayersMoveLeavesTheEngineNoMove) {
    // The same pin with the colours and ranks exchanged: the engine plays Black.
    Position({{kKing, kBlack, 7, 7},
              {kKnight, kBlack, 6, 6},
              {kKing, kWhite, 7, 5},
              {kKnight, kWhite, 4, 6},
              {kBishop, kWhite, 0, 0}},
             kWhite, 0);
    Move("A1", "D4");
    ExpectOver("StaleMate!");
    EXPECT_EQ(sScript::Get().calls, 0) << "the engine is not asked for a move it does not have";
}

TEST_F(NoMoveLeft, TheEnginesMoveLeavesThePlayerNoMove) {
    PinnedKnight(0, kWhite);
    Reply("A8", "D5");
    Move("A2", "A3");
    ExpectOver("StaleMate!");
    EXPECT_EQ(moves.entries.Count(), 2);
    EXPECT_EQ(board.history.Count(), 2);
}

TEST_F(NoMoveLeft, ThePeersMoveLeavesTheLocalSideNoMove) {
    services.networkGame = 1;
    PinnedKnight(1, kWhite);
    Move("A2", "A3");
    board.ApplyRemoteMove(0, 7, 3, 4);
    ExpectOver("StaleMate!");

    // And the other way round: the local move ends the peer's game too.
    boxes.clear();
    PinnedKnight(1, kBlack);
    services.playerColor = kBlack;
    services.sent.clear();
    board.FigureAt(0, 1)->y = 2;
    Move("A8", "D5");
    ExpectOver("StaleMate!");
    EXPECT_EQ(services.sent.size(), 1u) << "the last move still goes to the peer";
}

} // namespace
