// The library checked by real tools: Stockfish's legal moves and FENs, and
// pgn-extract reading the PGN it writes and writing PGN it reads back.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/pgn_reader.h"
#include "notation/pgn_writer.h"
#include "notation/play.h"
#include "notation/san.h"
#include "random_games.h"
#include "stockfish.h"
#include "test_positions.h"

namespace notation {
namespace {

using testing::RandomGame;
using testing::UciOf;

std::set<std::string> OurMoves(const Position& p) {
    std::set<std::string> moves;
    for (const Move m : LegalMoves(p)) moves.insert(ToUci(m));
    return moves;
}

std::vector<RandomGame> RandomGames(uint32_t firstSeed, int count, int maxPlies) {
    std::vector<RandomGame> games;
    for (int i = 0; i < count; ++i)
        games.push_back(testing::PlayRandomGame(firstSeed + uint32_t(i), maxPlies));
    return games;
}

// Positions where move generators tend to go wrong.
constexpr const char* kTricky[] = {
    // En passant that would uncover the king, on a rank and on a diagonal.
    "8/8/8/KPp4r/8/8/8/6k1 w - c6 0 2",
    "8/8/8/8/k2Pp2Q/8/8/4K3 b - d3 0 1",
    "8/8/3k4/8/2pP4/8/B7/4K3 b - d3 0 1",
    "8/8/8/2k5/3Pp3/8/8/4K2B b - d3 0 1",
    // En passant that takes the checking pawn.
    "8/8/8/2k5/3Pp3/8/8/4K3 b - d3 0 1",
    // Castling through, into and out of check; the knight's square attacked.
    "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1",
    "r3k2r/8/8/8/8/5q2/8/R3K2R w KQkq - 0 1",
    "r3k2r/8/8/8/8/6q1/8/R3K2R w KQkq - 0 1",
    "r3k2r/8/8/8/4q3/8/8/R3K2R w KQkq - 0 1",
    "r3k2r/8/8/8/8/1q6/8/R3K2R w KQkq - 0 1",
    "r3k2r/8/8/8/8/8/4p3/R3K2R w KQkq - 0 1",
    "rn2k1nr/8/8/8/8/8/8/R3K2R b KQkq - 0 1",
    // Promotions, with captures and with check.
    "r1n1k3/1P6/8/8/8/8/6p1/4K2R w K - 0 1",
    "4k3/8/8/8/8/8/6p1/4K2R b K - 0 1",
    "2r1k3/1P6/8/8/8/8/8/4K3 w - - 0 1",
    // Pins and double checks.
    "4k3/4r3/8/8/8/8/4N3/4K3 w - - 0 1",
    "4k3/8/8/8/1b6/8/3N4/4K2r w - - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
};

class ToolChecks : public ::testing::Test {
protected:
    void SetUp() override {
        stockfish = std::make_unique<testing::Stockfish>();
        ASSERT_TRUE(stockfish->Running()) << "stockfish (tools/install-deps.sh installs it)";
    }
    std::unique_ptr<testing::Stockfish> stockfish;
};

TEST_F(ToolChecks, LegalMovesAreStockfishsOnTrickyAndRandomPositions) {
    std::vector<Position> positions;
    for (const char* fen : kTricky) {
        const FenReading reading = ReadFen(fen);
        ASSERT_TRUE(reading) << fen << ": " << reading.error;
        positions.push_back(reading.position);
    }
    for (const RandomGame& game : RandomGames(1000, 40, 160))
        positions.insert(positions.end(), game.positions.begin(), game.positions.end());
    ASSERT_GT(positions.size(), 3000u);
    int compared = 0;
    for (const Position& p : positions) {
        const std::string fen = WriteFen(p);
        ASSERT_EQ(OurMoves(p), stockfish->LegalMoves(fen)) << fen;
        ++compared;
    }
    std::printf("compared the legal moves of %d positions\n", compared);
}

TEST_F(ToolChecks, StockfishReadsEveryFenBackUnchanged) {
    for (const RandomGame& game : RandomGames(2000, 40, 200))
        for (const Position& p : game.positions) {
            const std::string fen = WriteFen(p);
            const std::string theirs = stockfish->FenAfter(fen);
            ASSERT_TRUE(testing::SameFen(fen, theirs)) << fen << "\nstockfish: " << theirs;
        }
}

class PgnExtractChecks : public ToolChecks {
protected:
    void SetUp() override {
        ToolChecks::SetUp();
        pgnExtract = testing::FindTool("pgn-extract");
        ASSERT_FALSE(pgnExtract.empty()) << "pgn-extract (tools/install-deps.sh installs it)";
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Runs pgn-extract on `input` with the output form `format`; the
    // diagnostics go to `log`, its output is returned.
    std::string Extract(const std::string& input, const char* format, std::string& log) {
        const std::string in = (dir / "in.pgn").string(), out = (dir / "out.pgn").string();
        const std::string logFile = (dir / "log.txt").string();
        std::ofstream(in, std::ios::binary) << input;
        const int status =
            testing::RunTool(pgnExtract, {"-s", format, "-o" + out, "-l" + logFile, in},
                             (dir / "stdout.txt").string(), (dir / "stderr.txt").string());
        EXPECT_EQ(status, 0);
        log = Slurp(logFile) + Slurp((dir / "stderr.txt").string());
        return Slurp(out);
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string pgnExtract;
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("notation-tools-" + std::to_string(::getpid()));
};

// Random games, from the start and from set-up positions, as PGN.
std::vector<RandomGame> CorpusGames() {
    std::vector<RandomGame> games = RandomGames(3000, 60, 250);
    for (const char* fen : kTricky)
        games.push_back(testing::PlayRandomGame(7, 120, ReadFen(fen).position));
    return games;
}

std::string ExportAll(const std::vector<RandomGame>& games) {
    std::string text;
    for (size_t i = 0; i < games.size(); ++i) {
        PgnExport out;
        out.start = games[i].start;
        out.header.white = "Player " + std::to_string(i);
        out.header.black = ComputerPlayerName(int(i % 3));
        out.header.date = PgnDate(2024, 1 + int(i % 12), 1 + int(i % 28));
        out.header.result = ResultOf(games[i].positions.back());
        out.san = SanOfMoves(games[i].start, games[i].moves);
        if (i % 5 == 0)
            out.comment = "Move 12 of White, O-O, is not legal {under} the standard rules";
        text += WritePgn(out);
    }
    return text;
}

// The UCI moves of each game in pgn-extract's "-Wuci" output.
std::vector<std::vector<std::string>> UciGames(const std::string& text) {
    std::vector<std::vector<std::string>> games;
    std::istringstream lines(text);
    bool inMoves = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '[') {
            inMoves = false;
            continue;
        }
        if (!inMoves) games.emplace_back();
        inMoves = true;
        std::istringstream words(line);
        for (std::string w; words >> w;) {
            if (w == "*" || w == "1-0" || w == "0-1" || w == "1/2-1/2") continue;
            // It writes the promoted figure in upper case.
            for (char& c : w) c = char(std::tolower(static_cast<unsigned char>(c)));
            games.back().push_back(w);
        }
    }
    return games;
}

TEST_F(PgnExtractChecks, ReadsOurPgnWithoutAWordAndGetsTheSameMoves) {
    const std::vector<RandomGame> games = CorpusGames();
    std::string log;
    const std::vector<std::vector<std::string>> theirs =
        UciGames(Extract(ExportAll(games), "-Wuci", log));
    EXPECT_EQ(log, "");
    ASSERT_EQ(theirs.size(), games.size());
    for (size_t i = 0; i < games.size(); ++i)
        EXPECT_EQ(theirs[i], UciOf(games[i].moves)) << "game " << i + 1;
}

TEST_F(PgnExtractChecks, GamesOfBothWritersImportToStockfishsFinalPositions) {
    const std::vector<RandomGame> games = CorpusGames();
    const std::string ours = ExportAll(games);
    std::string log;
    const std::string theirs = Extract(ours, "-Wsan", log);
    EXPECT_EQ(log, "");
    for (const std::string& text : {ours, theirs}) {
        const std::vector<PgnGameEntry> list = ListPgnGames(text);
        ASSERT_EQ(list.size(), games.size());
        for (size_t i = 0; i < list.size(); ++i) {
            const PgnGameReading reading = ReadPgnGame(text, list[i], int(i));
            ASSERT_TRUE(reading) << reading.error;
            EXPECT_EQ(list[i].plyCount, int(reading.game.moves.size()));
            Position p = reading.game.start;
            for (const Move m : reading.game.moves) p = Play(p, m);
            const std::string expected =
                stockfish->FenAfter(WriteFen(reading.game.start), UciOf(reading.game.moves));
            EXPECT_TRUE(testing::SameFen(WriteFen(p), expected))
                << list[i].Name(int(i)) << ": " << WriteFen(p) << "\nstockfish: " << expected;
        }
    }
}

} // namespace
} // namespace notation
