// tavlion-uci against Debian's stockfish at its weakest: short games whose
// every move both rule books accept, written as PGN that pgn-extract reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "match_runner.h"
#include "tool_process.h"
#include "uci_client.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(EngineMatch, ShortGamesAgainstStockfishAreLegalAndReadableAsPgn) {
    const std::string stockfish = notation::testing::FindTool("stockfish");
    const std::string pgnExtract = notation::testing::FindTool("pgn-extract");
    if (stockfish.empty() || pgnExtract.empty())
        GTEST_SKIP() << "stockfish and pgn-extract (tools/install-deps.sh installs them)";
    const MatchPlayer tavlion{"Tavlion (Easy)", TavlionUciPath(), {{"Level", "0"}}, 50};
    const MatchPlayer weakest{"Stockfish (Skill Level 0)", stockfish, {{"Skill Level", "0"}}, 50};

    std::string pgn;
    for (int round = 1; round <= 2; ++round) {
        const MatchPlayer& white = round == 1 ? tavlion : weakest;
        const MatchPlayer& black = round == 1 ? weakest : tavlion;
        const MatchGame game = PlayMatchGame(white, black, 60);
        EXPECT_TRUE(game.problem.empty()) << game.problem;
        EXPECT_GT(game.moves.size(), 4u);
        EXPECT_NE(game.result, "*");
        pgn += MatchGamePgn(game, white, black, round) + "\n";
    }

    const fs::path dir = fs::temp_directory_path() / ("engine-match-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "match.pgn", std::ios::binary) << pgn;
    const int status = notation::testing::RunTool(
        pgnExtract,
        {"-s", "-o" + (dir / "out.pgn").string(), "-l" + (dir / "log.txt").string(),
         (dir / "match.pgn").string()},
        (dir / "stdout.txt").string(), (dir / "stderr.txt").string());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Slurp(dir / "log.txt") + Slurp(dir / "stderr.txt"), "");
    const std::string out = Slurp(dir / "out.pgn");
    EXPECT_NE(out.find("[Round \"2\"]"), std::string::npos) << out;
    fs::remove_all(dir);
}

} // namespace
