// What the program exports, read by other programs: every PGN by
// pgn-extract without a word, every FEN by Stockfish unchanged.
#include "scene_fixture.h"

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/san.h"
#include "random_games.h"
#include "stockfish.h"
#include "tool_process.h"

#include <fstream>
#include <sstream>

namespace {

using notation::testing::RandomGame;

class ExportedNotationTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        stockfish = std::make_unique<notation::testing::Stockfish>();
        ASSERT_TRUE(stockfish->Running()) << "stockfish (tools/install-deps.sh installs it)";
        pgnExtract = notation::testing::FindTool("pgn-extract");
        ASSERT_FALSE(pgnExtract.empty()) << "pgn-extract (tools/install-deps.sh installs it)";
    }

    // Plays the random game by typing its moves, between two players, from
    // its start, until the board refuses one; checks the FEN of every
    // position on the way. Returns the number of moves played.
    size_t PlayTyped(const RandomGame& game) {
        CScene& s = *scene;
        s.SetPlayerMode(1);
        if (game.start == notation::StartPosition())
            s.NewGame();
        else
            EXPECT_TRUE(s.SetUpPosition(notation::WriteFen(game.start)));
        size_t played = 0;
        for (; played < game.moves.size(); ++played) {
            CheckFen();
            const std::string san = notation::ToSan(game.positions[played], game.moves[played]);
            if (!s.PlayTypedMove(san)) break;
        }
        CheckFen();
        boxes.clear();
        return played;
    }

    void CheckFen() {
        const std::string fen = scene->PositionAsFen();
        const std::string theirs = stockfish->FenAfter(fen);
        EXPECT_TRUE(notation::testing::SameFen(fen, theirs)) << fen << "\nstockfish: " << theirs;
    }

    // pgn-extract's diagnostics on the file.
    std::string ExtractLog(const std::string& pgn) {
        const std::string out = (workDir / "out.pgn").string();
        const std::string log = (workDir / "log.txt").string();
        const std::string err = (workDir / "err.txt").string();
        const int status =
            notation::testing::RunTool(pgnExtract, {"-s", "-o" + out, "-l" + log, pgn},
                                       (workDir / "stdout.txt").string(), err);
        EXPECT_EQ(status, 0);
        return ReadFile("log.txt") + ReadFile("err.txt");
    }

    std::unique_ptr<notation::testing::Stockfish> stockfish;
    std::string pgnExtract;
};

TEST_F(ExportedNotationTest, TypedGamesExportForOtherPrograms) {
    StartScene();
    const notation::Position setUp =
        notation::ReadFen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1")
            .position;
    size_t total = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const RandomGame game = notation::testing::PlayRandomGame(
            seed, 120, seed % 3 == 0 ? setUp : notation::StartPosition());
        total += PlayTyped(game);
        const std::string file = "game" + std::to_string(seed) + ".pgn";
        ASSERT_EQ(scene->ExportPgn((workDir / file).string()), 1);
        EXPECT_EQ(ExtractLog((workDir / file).string()), "") << ReadFile(file);
    }
    EXPECT_GT(total, 500u);
}

// Against the computer the history keeps a record per pair of moves, and
// the engine's promotions are its own.
TEST_F(ExportedNotationTest, AGameAgainstTheComputerExportsToo) {
    CScene& s = StartScene();
    ASSERT_TRUE(s.IsEngineReady());
    const RandomGame game = notation::testing::PlayRandomGame(7, 40);
    for (size_t i = 0; i < game.moves.size() && !s.board.gameOver; ++i) {
        const std::string fen = s.PositionAsFen();
        const notation::Position position = notation::ReadFen(fen).position;
        const notation::MoveList legal = notation::LegalMoves(position);
        if (legal.Empty() ||
            !s.PlayTypedMove(notation::ToSan(position, legal[int(i) % legal.Size()])))
            break;
        CheckFen();
    }
    ASSERT_GT(s.moveTable.entries.Count(), 10);
    ASSERT_EQ(s.ExportPgn((workDir / "computer.pgn").string()), 1);
    EXPECT_EQ(ExtractLog((workDir / "computer.pgn").string()), "");
}

} // namespace
