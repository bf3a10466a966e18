#include "scene_fixture.h"

#include "render/geometry/matrix.h"

#include <algorithm>
#include <array>
#include <vector>

// The end of a game through the controller: Undo and Redo across it, and an
// end that only the board's own moves can tell.
namespace {

bool FacesWhite(const CScene& s) {
    float halfTurn[16];
    SetHalfTurn(halfTurn);
    return std::equal(halfTurn, halfTurn + 16, s.settings.matrix);
}

bool FacesBlack(const CScene& s) {
    float identity[16];
    SetIdentity(identity);
    return std::equal(identity, identity + 16, s.settings.matrix);
}

class GameEndTest : public SceneTest {
protected:
    CScene& StartGame(int mode) {
        CScene& s = StartScene();
        s.SetPlayerMode(mode);
        s.NewGame();
        return s;
    }

    // A game in `mode` that starts from the given figures, `toMove` to move.
    CScene& StartFrom(int mode, const std::vector<sState>& figures, int toMove = kWhite) {
        CScene& s = StartGame(mode);
        s.board.ClearFigures();
        for (const sState& f : figures) s.board.AddFigure(f.type, f.color, f.x, f.y);
        s.board.ClearHistory();
        s.board.PushHistory();
        s.settings.currentMove = toMove;
        return s;
    }

    void FoolsMate() {
        for (auto [fx, fy, tx, ty] :
             {std::array{5, 1, 5, 2}, {4, 6, 4, 4}, {6, 1, 6, 3}, {3, 7, 7, 3}})
            MoveFigure(*scene, fx, fy, tx, ty);
        ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
    }

    std::vector<std::string> MoveTexts() const {
        std::vector<std::string> texts;
        for (const sMove* m : scene->moveTable.entries) texts.push_back(m->text);
        return texts;
    }

    int ColourOn(int x, int y) const {
        const CFigure* f = scene->board.FigureAt(x, y);
        return f ? f->color : -1;
    }
};

// White: Kh1, Ng2, Pa3. Black: Kh3, Ne2, Pa4 and a bishop on a8 that pins
// the knight. With the bishop on d5 White has no move the board accepts, but
// the engine's status test counts the pinned knight's moves and calls the
// position normal.
std::vector<sState> PinnedKnight(int bishopX, int bishopY) {
    return {{kKing, kWhite, 7, 0},
            {kKnight, kWhite, 6, 1},
            {kPawn, kWhite, 0, 2},
            {kKing, kBlack, 7, 2},
            {kKnight, kBlack, 4, 1},
            {kPawn, kBlack, 0, 3},
            {kBishop, kBlack, bishopX, bishopY}};
}

TEST_F(GameEndTest, TwoPlayersUndoAndRedoAcrossTheMate) {
    CScene& s = StartGame(1);
    FoolsMate();
    EXPECT_EQ(s.settings.currentMove, kWhite);
    EXPECT_TRUE(FacesWhite(s));

    ASSERT_TRUE(s.CanUndo());
    s.Undo();
    EXPECT_EQ(s.settings.currentMove, kBlack) << "the side that took its move back";
    EXPECT_TRUE(FacesBlack(s));
    EXPECT_EQ(s.board.gameOver, 0);
    EXPECT_TRUE(s.IsClockRunning());
    EXPECT_FALSE(s.CanChoosePlayerMode()) << "the game runs again";

    s.Redo();
    EXPECT_EQ(s.settings.currentMove, kWhite);
    EXPECT_TRUE(FacesWhite(s));
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_FALSE(s.IsClockRunning());

    s.Undo();
    MoveFigure(s, 3, 7, 6, 4); // D8 - G5 instead
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"F2 - F3", "E7 - E5", "G2 - G4", "D8 - G5"}));
    EXPECT_EQ(s.settings.currentMove, kWhite);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(GameEndTest, OnePlayerUndoOfTheEnginesMate) {
    // A back rank the engine mates at once: Re8 - e1.
    CScene& s = StartFrom(0, {{kKing, kWhite, 7, 0},
                              {kPawn, kWhite, 6, 1},
                              {kPawn, kWhite, 7, 1},
                              {kPawn, kWhite, 0, 1},
                              {kKing, kBlack, 6, 7},
                              {kRook, kBlack, 4, 7},
                              {kPawn, kBlack, 5, 6},
                              {kPawn, kBlack, 6, 6},
                              {kPawn, kBlack, 7, 6}});
    MoveFigure(s, 0, 1, 0, 2);
    ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});
    ASSERT_EQ(MoveTexts(), (std::vector<std::string>{"A2 - A3", "E8 - E1"}));

    s.Undo();
    EXPECT_EQ(s.board.moveCount, 0);
    EXPECT_EQ(s.settings.currentMove, kWhite);
    EXPECT_TRUE(s.IsClockRunning());
    MoveFigure(s, 6, 1, 6, 2);
    ASSERT_EQ(s.moveTable.entries.Count(), 2);
    EXPECT_EQ(MoveTexts()[0], "G2 - G3");
    const sMove& reply = *s.moveTable.entries[1];
    EXPECT_EQ(ColourOn(reply.toX, reply.toY), kBlack);
}

TEST_F(GameEndTest, OnePlayerUndoOfThePlayersMate) {
    // White: Kg6, Ra1, Pb2; Black: Kh8, whose only move is to g8. Ra8 mates.
    CScene& s = StartFrom(0, {{kKing, kWhite, 6, 5},
                              {kRook, kWhite, 0, 0},
                              {kPawn, kWhite, 1, 1},
                              {kKing, kBlack, 7, 7}});
    MoveFigure(s, 1, 1, 1, 2);
    ASSERT_EQ(MoveTexts(), (std::vector<std::string>{"B2 - B3", "H8 - G8"}));
    MoveFigure(s, 0, 0, 0, 7);
    ASSERT_EQ(boxes, std::vector<std::string>{"Mate!"});

    s.Undo();
    EXPECT_EQ(s.board.moveCount, 2) << "only the mating move is taken back";
    EXPECT_EQ(ColourOn(6, 7), kBlack);
    EXPECT_TRUE(s.IsClockRunning());
    MoveFigure(s, 0, 0, 0, 6); // A1 - A7
    ASSERT_EQ(s.moveTable.entries.Count(), 4);
    EXPECT_EQ(MoveTexts()[1], "H8 - G8");
    EXPECT_EQ(MoveTexts()[2], "A1 - A7");
    const sMove& reply = *s.moveTable.entries[3];
    EXPECT_EQ(ColourOn(reply.toX, reply.toY), kBlack);
}

TEST_F(GameEndTest, UndoAndRedoDoNothingInANetworkGame) {
    // A finished game at one machine leaves its history behind; a connection
    // may follow, since no game runs.
    CScene& s = StartGame(1);
    FoolsMate();
    ASSERT_TRUE(s.CanConnect());
    s.networkGame = 1;
    EXPECT_FALSE(s.CanUndo());
    EXPECT_FALSE(s.CanRedo());
    s.Undo();
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_EQ(s.board.historyIndex, 4);
    EXPECT_EQ(ColourOn(7, 3), kBlack);

    s.networkGame = 0; // the game at one machine can be browsed again
    s.Undo();
    s.networkGame = 1;
    s.Redo();
    EXPECT_EQ(s.board.historyIndex, 3);
}

// The same while a dropped connection waits for Reconnect: stepping through
// the history of before would leave a board that the peer's game differs from.
TEST_F(GameEndTest, AGameWaitingForReconnectKeepsItsBoard) {
    CScene& s = StartGame(1);
    FoolsMate();
    s.Undo();
    ASSERT_EQ(s.board.historyIndex, 3);
    s.connectionLost = 1;
    EXPECT_FALSE(s.CanUndo());
    EXPECT_FALSE(s.CanRedo());
    s.Undo();
    s.Redo();
    s.GoToStart();
    s.GoToEnd();
    EXPECT_EQ(s.board.historyIndex, 3);
    EXPECT_EQ(ColourOn(3, 7), kBlack);
}

TEST_F(GameEndTest, TwoPlayersStalemateTheStatusTestMisses) {
    CScene& s = StartFrom(1, PinnedKnight(0, 7), kBlack);
    s.gameStarted = 1;
    MoveFigure(s, 0, 7, 3, 4); // Ba8 - d5
    EXPECT_EQ(boxes, std::vector<std::string>{"StaleMate!"});
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_FALSE(s.IsClockRunning());
}

TEST_F(GameEndTest, OnePlayerMoveThatLeavesTheEngineNoMove) {
    // The same pin with the colours and ranks exchanged; the engine plays Black.
    CScene& s = StartFrom(0, {{kKing, kBlack, 7, 7},
                              {kKnight, kBlack, 6, 6},
                              {kKing, kWhite, 7, 5},
                              {kKnight, kWhite, 4, 6},
                              {kBishop, kWhite, 0, 0}});
    MoveFigure(s, 0, 0, 3, 3);
    EXPECT_EQ(boxes, std::vector<std::string>{"StaleMate!"});
    EXPECT_EQ(s.moveTable.entries.Count(), 1) << "the engine is not asked";
    EXPECT_EQ(s.board.gameOver, 1);
}

TEST_F(GameEndTest, APeersMoveThatLeavesTheLocalSideNoMove) {
    CScene& s = StartFrom(1, PinnedKnight(0, 7));
    s.networkGame = 1;
    s.waitingForPeer = 1;
    s.OnPeerMove(0, 7, 3, 4, s.board.rights);
    EXPECT_EQ(boxes, std::vector<std::string>{"StaleMate!"});
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_FALSE(s.IsClockRunning());
}

TEST_F(GameEndTest, AGameOpenedWithoutAMoveLeftIsOver) {
    CScene& s = StartFrom(1, PinnedKnight(3, 4));
    const std::string path = (workDir / "stuck.chs").string();
    ASSERT_EQ(s.SaveGame(path), 1);
    s.NewGame();
    ASSERT_EQ(s.OpenGame(path), 1);
    EXPECT_EQ(boxes, std::vector<std::string>{"StaleMate!"});
    EXPECT_EQ(s.board.gameOver, 1);
    EXPECT_EQ(s.gameStarted, 0);
    EXPECT_EQ(s.board.history.Count(), 1) << "the position is not recorded twice";

    // A game that can go on opens as before.
    boxes.clear();
    s.NewGame();
    ASSERT_EQ(s.SaveGame(path), 1);
    ASSERT_EQ(s.OpenGame(path), 1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(s.board.gameOver, 0);
}

} // namespace
