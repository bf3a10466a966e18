#include "scene_fixture.h"

#include "notation/fen.h"
#include "notation/pgn_file.h"
#include "notation/pgn_reader.h"

#include <fstream>

// Games and positions in standard notation through the controller: PGN out
// and in, FEN out and in, typed moves and the move list in SAN.
namespace {

class NotationTest : public SceneTest {
protected:
    CScene& TwoPlayers() {
        CScene& s = StartScene();
        s.SetPlayerMode(1);
        s.NewGame();
        return s;
    }
    void Type(const std::vector<std::string>& moves) {
        for (const std::string& m : moves) EXPECT_TRUE(scene->PlayTypedMove(m)) << m;
    }
    bool Import(const std::string& text, int chosen = 0) {
        WriteFile("games.pgn", text);
        host.chosenGame = chosen;
        return scene->ImportPgnFile((workDir / "games.pgn").string());
    }
    std::vector<std::string> MoveTexts() const {
        std::vector<std::string> texts;
        for (const sMove* m : scene->moveTable.entries) texts.push_back(m->text);
        return texts;
    }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

constexpr const char* kTwoGames = R"([Event "First"]
[White "Anna"]
[Black "Boris"]
[Result "1-0"]

1. e4 {best by test} e5 (1... c5 2. Nf3) 2. Nf3 $1 Nc6 ; a comment
3. Bb5 a6 1-0

[Event "Second"]
[White "Carl"]
[Black "Dora"]
[Result "*"]

1. d4 d5 2. c4 e6 3. Nc3 Nf6 4. Bg5 Be7 5. e3 O-O 6. Nf3 Nbd7 *
)";

TEST_F(NotationTest, ATypedGameIsExportedInStandardNotation) {
    CScene& s = TwoPlayers();
    s.settings.nickname = "Anna";
    Type({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Bxc6", "dxc6", "O-O"});
    EXPECT_EQ(MoveTexts().back(), "E1 - G1");
    std::string warning = "unset";
    const std::string pgn = s.GameAsPgn(&warning);
    EXPECT_TRUE(warning.empty()) << warning;
    for (const char* tag : {"[Event \"Tavlion game\"]", "[Site \"?\"]", "[Round \"-\"]",
                            "[White \"Anna\"]", "[Black \"?\"]", "[Result \"*\"]"})
        EXPECT_TRUE(Contains(pgn, tag)) << tag << "\n" << pgn;
    EXPECT_TRUE(Contains(pgn, "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O *")) << pgn;
    EXPECT_FALSE(Contains(pgn, "[SetUp"));

    // The file is what the clipboard gets, and nothing is said about it.
    ASSERT_EQ(s.ExportPgn((workDir / "game.pgn").string()), 1);
    EXPECT_EQ(ReadFile("game.pgn").substr(0, 100), pgn.substr(0, 100));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(NotationTest, TheComputerAndTheResultNameThemselves) {
    CScene& s = StartScene();
    s.settings.nickname = "Anna";
    s.SetGameLevel(2);
    s.SetPlayerMode(1);
    s.NewGame();
    // Fool's mate between two players, then looked at as a game against
    // the computer would name it.
    Type({"f3", "e5", "g4", "Qh4#"});
    EXPECT_EQ(boxes, std::vector<std::string>{"Mate!"});
    std::string pgn = s.GameAsPgn();
    EXPECT_TRUE(Contains(pgn, "[Result \"0-1\"]"));
    EXPECT_TRUE(Contains(pgn, "2. g4 Qh4# 0-1"));
    s.settings.playerMode = 0;
    pgn = s.GameAsPgn();
    EXPECT_TRUE(Contains(pgn, "[White \"Anna\"]"));
    EXPECT_TRUE(Contains(pgn, "[Black \"Tavlion (Difficult)\"]"));
    s.settings.playerMode = 1;
    s.networkGame = 1;
    host.peerNickname = "Boris";
    EXPECT_TRUE(Contains(s.GameAsPgn(), "[Black \"Boris\"]"));
}

// The board lets a king castle across a square a pawn attacks; the game
// keeps the move, and its export says once that others may refuse it.
TEST_F(NotationTest, AMoveTheStandardRulesRefuseIsExportedWithAWarning) {
    CScene& s = TwoPlayers();
    ASSERT_TRUE(s.SetUpPosition("4k3/8/8/8/8/8/4p3/4K2R w K - 0 1"));
    EXPECT_FALSE(s.PlayTypedMove("O-O")); // not a move of the standard rules
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(s.PlayTypedMove("e1g1"));
    ASSERT_EQ(MoveTexts(), std::vector<std::string>{"E1 - G1"});
    boxes.clear();
    ASSERT_EQ(s.ExportPgn((workDir / "odd.pgn").string()), 1);
    EXPECT_EQ(boxes,
              std::vector<std::string>{"Move 1 of White, O-O, is not legal under the standard "
                                       "rules of chess; other programs may refuse this "
                                       "game."});
    const std::string pgn = ReadFile("odd.pgn");
    EXPECT_TRUE(Contains(pgn, "[SetUp \"1\"]"));
    EXPECT_TRUE(Contains(pgn, "[FEN \"4k3/8/8/8/8/8/4p3/4K2R w K - 0 1\"]"));
    EXPECT_TRUE(Contains(pgn, "1. O-O"));
}

TEST_F(NotationTest, AnImportedGameOpensWithItsWholeHistory) {
    CScene& s = StartScene();
    ASSERT_TRUE(Import(kTwoGames, 1));
    EXPECT_EQ(host.offeredGames, std::vector<size_t>{2});
    EXPECT_EQ(s.settings.playerMode, 1);
    EXPECT_EQ(s.board.history.Count(), 13);
    EXPECT_EQ(s.board.moveCount, 12);
    EXPECT_EQ(MoveTexts()[0], "D2 - D4");
    EXPECT_EQ(MoveTexts()[9], "E8 - G8");
    EXPECT_EQ(s.settings.currentMove, kWhite);
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_TRUE(s.gamePath.empty()); // Save must not write over the PGN file
    EXPECT_EQ(host.title, "Tavlion - " + (workDir / "games.pgn").string());
    EXPECT_EQ(s.board.FigureAt(6, 7)->type, kKing);

    s.Undo();
    EXPECT_EQ(s.settings.currentMove, kBlack);
    EXPECT_EQ(s.board.FigureAt(1, 7)->type, kKnight);
    s.GoToStart();
    EXPECT_EQ(s.board.moveCount, 0);
    EXPECT_EQ(s.board.FigureAt(3, 1)->type, kPawn);
    EXPECT_EQ(s.settings.currentMove, kWhite);
    s.Redo();
    EXPECT_EQ(s.settings.currentMove, kBlack);
    s.GoToEnd();
    EXPECT_EQ(s.board.moveCount, 12);
    // The game goes on from there with the board's rules.
    Type({"Bd3"});
    EXPECT_EQ(s.board.moveCount, 13);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(NotationTest, AMoveThatIsNotPossibleStopsTheImportAndKeepsTheGame) {
    CScene& s = TwoPlayers();
    Type({"e4", "e5"});
    const std::string before = s.GameAsPgn();
    EXPECT_FALSE(Import("[White \"Anna\"]\n[Black \"Boris\"]\n\n1. e4 e5 2. Nf3 Nc6 3. Qxf7 *\n"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Contains(boxes[0], "Move 3 of White, Qxf7, is not possible in this position"))
        << boxes[0];
    EXPECT_TRUE(Contains(boxes[0], "Anna")) << boxes[0];
    EXPECT_EQ(s.GameAsPgn(), before);
    EXPECT_EQ(s.board.history.Count(), 3);

    // Nothing to import, and too much.
    EXPECT_FALSE(Import("just some text\n"));
    {
        std::ofstream big(workDir / "big.pgn", std::ios::binary);
        const std::string game = "[Event \"x\"]\n\n1. e4 e5 *\n\n";
        for (size_t n = 0; n <= notation::kMaxPgnFileBytes / game.size(); ++n) big << game;
    }
    EXPECT_FALSE(s.ImportPgnFile((workDir / "big.pgn").string()));
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(Contains(boxes[2], "larger than 10 MB")) << boxes[2];
    EXPECT_EQ(s.GameAsPgn(), before);
}

TEST_F(NotationTest, APositionIsCopiedWithItsCounters) {
    CScene& s = TwoPlayers();
    EXPECT_EQ(s.PositionAsFen(), notation::kStartFen);
    Type({"e4", "d5", "e5", "f5"});
    EXPECT_EQ(s.PositionAsFen(), "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3");
    Type({"Nf3", "Nc6"});
    EXPECT_EQ(s.PositionAsFen(),
              "r1bqkbnr/ppp1p1pp/2n5/3pPp2/8/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 4");
    s.Undo();
    EXPECT_EQ(s.PositionAsFen(), "rnbqkbnr/ppp1p1pp/8/3pPp2/8/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 3");
}

// A game that Black begins keeps that start through undo, a saved file and
// the move list's numbers.
TEST_F(NotationTest, ASetUpGameThatBlackBeginsKeepsItsStart) {
    CScene& s = TwoPlayers();
    s.settings.standardNotation = 1;
    const std::string fen = "4k3/4p3/8/8/8/8/4P3/4K3 b - - 3 12";
    ASSERT_TRUE(s.SetUpPosition(fen));
    EXPECT_EQ(s.settings.currentMove, kBlack);
    EXPECT_EQ(s.PositionAsFen(), fen);
    // With no move made, the start is still Black's turn.
    s.GoToStart();
    EXPECT_EQ(s.settings.currentMove, kBlack);
    s.GoToEnd();
    EXPECT_EQ(s.settings.currentMove, kBlack);

    Type({"e5", "e4"});
    const sMoveNotation* list = s.MoveNotation();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->texts, (std::vector<std::string>{"e5", "e4"}));
    EXPECT_EQ(list->firstNumber, 12);
    EXPECT_EQ(list->firstSide, kBlack);
    EXPECT_TRUE(Contains(s.GameAsPgn(), "12... e5 13. e4 *"));

    const std::string path = (workDir / "setup.chs").string();
    ASSERT_EQ(s.SaveGame(path), 1);
    EXPECT_TRUE(Contains(ReadFile("setup.chs"), "Start Position=" + fen));
    s.NewGame();
    EXPECT_TRUE(s.startPosition.IsEmpty());
    ASSERT_EQ(s.OpenGame(path), 1);
    EXPECT_EQ(s.startPosition, fen);
    s.GoToStart();
    EXPECT_EQ(s.settings.currentMove, kBlack);
    EXPECT_EQ(s.PositionAsFen(), fen);
    s.GoToEnd();
    EXPECT_TRUE(Contains(s.GameAsPgn(), "[FEN \"" + fen + "\"]"));

    // A game file without the key opens from the usual start.
    s.NewGame();
    ASSERT_EQ(s.SaveGame((workDir / "plain.chs").string()), 1);
    EXPECT_FALSE(Contains(ReadFile("plain.chs"), "Start Position"));
    ASSERT_EQ(s.OpenGame(path), 1);
    ASSERT_EQ(s.OpenGame((workDir / "plain.chs").string()), 1);
    EXPECT_TRUE(s.startPosition.IsEmpty());
    EXPECT_EQ(s.board.startSide, kWhite);
}

TEST_F(NotationTest, ARefusedPositionChangesNothing) {
    CScene& s = TwoPlayers();
    Type({"e4"});
    EXPECT_FALSE(s.SetUpPosition("8/8/8/8/8/8/8/8 w - - 0 1"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Contains(boxes[0], "This position cannot be set up: ")) << boxes[0];
    EXPECT_EQ(MoveTexts(), std::vector<std::string>{"E2 - E4"});
    // Not while a network game runs: the peer would not know the position.
    s.networkGame = 1;
    EXPECT_FALSE(s.SetUpPosition(std::string(notation::kStartFen)));
    EXPECT_FALSE(s.ImportPgnFile((workDir / "any.pgn").string()));
    EXPECT_EQ(boxes.size(), 1u);
}

// Against the computer, a position that gives it the move is answered at
// once, and the start still reads as the position set up.
TEST_F(NotationTest, TheComputerPlaysFromAPastedPosition) {
    CScene& s = StartScene();
    ASSERT_TRUE(s.IsEngineReady());
    const std::string fen = "4k3/8/8/8/8/8/3PPP2/4K3 b - - 0 1";
    ASSERT_TRUE(s.SetUpPosition(fen));
    EXPECT_EQ(s.moveTable.entries.Count(), 1);
    EXPECT_EQ(s.settings.currentMove, kWhite);
    EXPECT_EQ(s.gameStarted, 1);
    EXPECT_TRUE(Contains(s.GameAsPgn(), "[FEN \"" + fen + "\"]"));
    EXPECT_TRUE(Contains(s.GameAsPgn(), "1... K"));
    s.GoToStart();
    EXPECT_EQ(s.board.moveCount, 1);
    // The player's move is answered too.
    Type({"d4"});
    EXPECT_EQ(s.moveTable.entries.Count(), 3);
}

TEST_F(NotationTest, TypedMovesTakeThePathOfClicks) {
    CScene& s = TwoPlayers();
    Type({"E2 - E4", "e7e5", "Ng1f3"});
    EXPECT_EQ(MoveTexts(), (std::vector<std::string>{"E2 - E4", "E7 - E5", "G1 - F3"}));
    EXPECT_FALSE(s.PlayTypedMove("Ke7e6")); // a long form naming the wrong figure
    EXPECT_FALSE(s.PlayTypedMove("hello"));
    EXPECT_FALSE(s.PlayTypedMove("Nd7"));
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1], "\"hello\" is not a move.");
    EXPECT_EQ(boxes[2], "The move \"Nd7\" is not possible in this position.");
    EXPECT_EQ(s.moveTable.entries.Count(), 3);
    EXPECT_EQ(s.board.selected, 0);

    // A pinned figure: the board's own refusal, as for clicks.
    boxes.clear();
    ASSERT_TRUE(s.SetUpPosition("4k3/4r3/8/8/8/8/4N3/4K3 w - - 0 1"));
    EXPECT_FALSE(s.PlayTypedMove("e2c3") && s.moveTable.entries.Count() == 1);
    EXPECT_EQ(boxes, std::vector<std::string>{"You have Check!"});
    EXPECT_EQ(s.moveTable.entries.Count(), 0);
}

// "e8=N" answers the promotion chooser without opening it; a promotion
// typed by squares alone asks, as a click does.
TEST_F(NotationTest, ATypedPromotionNamesItsFigure) {
    CScene& s = TwoPlayers();
    ASSERT_TRUE(s.SetUpPosition("8/1P2k3/8/8/8/8/8/4K3 w - - 0 1"));
    Type({"b8=N"});
    EXPECT_TRUE(host.promotionColors.empty());
    EXPECT_EQ(s.board.FigureAt(1, 7)->type, kKnight);
    Type({"Ke6", "Nc6"});
    EXPECT_TRUE(Contains(s.GameAsPgn(), "1. b8=N Ke6 2. Nc6"));

    ASSERT_TRUE(s.SetUpPosition("8/1P2k3/8/8/8/8/8/4K3 w - - 0 1"));
    host.promotion = kRook;
    Type({"b7b8"});
    EXPECT_EQ(host.promotionColors.size(), 1u);
    EXPECT_EQ(s.board.FigureAt(1, 7)->type, kRook);
    EXPECT_TRUE(Contains(s.GameAsPgn(), "1. b8=R *"));
}

TEST_F(NotationTest, TheMoveListInStandardNotationFollowsTheGame) {
    CScene& s = TwoPlayers();
    EXPECT_EQ(s.MoveNotation(), nullptr);
    s.settings.standardNotation = 1;
    Type({"e4", "e5", "Nf3"});
    const sMoveNotation* list = s.MoveNotation();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->texts, (std::vector<std::string>{"e4", "e5", "Nf3"}));
    EXPECT_EQ(list->firstSide, kWhite);
    // A move taken back and another made in its place.
    s.Undo();
    Type({"Nc3"});
    EXPECT_EQ(s.MoveNotation()->texts.back(), "Nc3");
}

} // namespace
