// tavlion-uci spoken to as a chess program speaks to it: every command, bad
// lines, a stop in the middle of a search, and what it leaves behind.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

#include "engines/uci_text.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "uci_client.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kOpening = "position startpos moves e2e4 e7e5 g1f3";
// Many moves on both sides: a five-ply search of it takes minutes.
constexpr const char* kBusy =
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

std::string Last(const std::vector<std::string>& lines) {
    return lines.empty() ? "" : lines.back();
}

// The move of a "bestmove" line, checked against the position's legal moves.
bool NamesLegalMove(const std::string& bestmove, const notation::Position& position) {
    const std::vector<std::string> words = uci::Words(bestmove);
    if (words.size() < 2 || words[0] != "bestmove") return false;
    const auto move = uci::ReadMove(words[1]);
    return move && notation::LegalMoves(position).Contains(*move);
}

notation::Position PositionOf(const std::string& command) {
    return uci::ReadPosition(uci::Words(command)).position;
}

bool HasInfoString(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        if (l.rfind("info string ", 0) == 0) return true;
    return false;
}

// Each session runs in a folder of its own, with TMPDIR pointing to another,
// so whatever the program leaves behind shows.
class UciSession : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("uci-session-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "work");
        fs::create_directories(root / "tmp");
        previous = fs::current_path();
        fs::current_path(root / "work");
        setenv("TMPDIR", (root / "tmp").c_str(), 1);
        engine = std::make_unique<UciTestClient>(TavlionUciPath());
        ASSERT_EQ(Last(engine->Ask("uci", "uciok")), "uciok");
    }
    void TearDown() override {
        engine.reset();
        unsetenv("TMPDIR");
        fs::current_path(previous);
        fs::remove_all(root);
    }
    std::vector<std::string> Go(const std::string& go) { return engine->Ask(go, "bestmove"); }

    fs::path root, previous;
    std::unique_ptr<UciTestClient> engine;
};

TEST_F(UciSession, IntroducesItselfAndItsLevelOption) {
    const std::vector<std::string> lines = engine->Ask("uci", "uciok");
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "id name Tavlion", "id author the Tavlion developers",
                         "option name Level type spin default 2 min 0 max 2", "uciok"}));
    EXPECT_EQ(engine->Ask("isready", "readyok"), std::vector<std::string>{"readyok"});
    engine->Send("ucinewgame");
    EXPECT_EQ(engine->Ask("isready", "readyok"), std::vector<std::string>{"readyok"});
}

TEST_F(UciSession, EveryKindOfGoAnswersTheLevelsSearchWithALegalMove) {
    engine->Send(kOpening);
    const notation::Position position = PositionOf(kOpening);
    struct Case {
        std::string setup, go, depth;
    } cases[] = {
        {"setoption name Level value 0", "go depth 3", "info depth 3 "},
        {"", "go depth 4", "info depth 4 "},
        {"", "go movetime 100", "info depth 3 "},
        {"setoption name Level value 1", "go wtime 60000 btime 60000 winc 0 binc 0",
         "info depth 4 "},
        {"", "go", "info depth 4 "},
        {"", "go depth 1", "info depth 3 "}, // below the first level
    };
    for (const Case& c : cases) {
        if (!c.setup.empty()) engine->Send(c.setup);
        const std::vector<std::string> lines = Go(c.go);
        ASSERT_GE(lines.size(), 2u) << c.go;
        EXPECT_EQ(lines[lines.size() - 2].rfind(c.depth, 0), 0u) << c.go << ": " << lines[0];
        EXPECT_NE(lines[lines.size() - 2].find(" nodes "), std::string::npos);
        EXPECT_NE(lines[lines.size() - 2].find(" time "), std::string::npos);
        EXPECT_NE(lines[lines.size() - 2].find(" score cp "), std::string::npos);
        EXPECT_TRUE(NamesLegalMove(Last(lines), position)) << c.go << ": " << Last(lines);
    }
}

TEST_F(UciSession, InfiniteSearchAnswersOnlyWhenStopped) {
    engine->Send("setoption name Level value 0");
    engine->Send(kOpening);
    engine->Send("go infinite");
    // Answered while it waits for "stop".
    EXPECT_EQ(Last(engine->Ask("isready", "readyok")), "readyok");
    EXPECT_TRUE(engine->Until("bestmove", 500).empty());
    EXPECT_TRUE(NamesLegalMove(Last(engine->Ask("stop", "bestmove")), PositionOf(kOpening)));
}

TEST_F(UciSession, StopEndsALongSearchWithALegalMove) {
    const std::string busy = std::string("position fen ") + kBusy;
    engine->Send(busy);
    engine->Send("go depth 5");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    // Without the stop this search would run for minutes.
    const std::vector<std::string> lines = engine->Ask("stop", "bestmove", 30000);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(NamesLegalMove(Last(lines), PositionOf(busy)));
    EXPECT_EQ(Last(engine->Ask("isready", "readyok")), "readyok");
}

TEST_F(UciSession, QuitDuringASearchEndsTheProgram) {
    engine->Send(std::string("position fen ") + kBusy);
    engine->Send("go depth 5");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    engine->Send("quit");
    std::string line;
    while (engine->child.ReadLine(line, 30000) == platform::ChildProcess::Read::kLine) {
    }
    for (int i = 0; i < 100 && engine->Running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(engine->Running());
}

TEST_F(UciSession, BadLinesAreToldAndLeaveThePositionAsItWas) {
    const std::string kept = "position fen 4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
    engine->Send(kept);
    for (const char* bad : {"foo", "position", "position fen not a fen", "position fen",
                            "position startpos moves e2e5", "position startpos moves zz",
                            "setoption name Level value 7", "setoption name Level value",
                            "setoption name Hash value 16", "setoption", "\x01\x7f\xff"}) {
        engine->Send(bad);
        EXPECT_TRUE(HasInfoString(engine->Ask("isready", "readyok"))) << "no word on: " << bad;
    }
    EXPECT_TRUE(NamesLegalMove(Last(Go("go depth 3")), PositionOf(kept)));
}

TEST_F(UciSession, NoMoveIsNamedAsTheNullMove) {
    for (const char* fen : {"7k/5Q1Q/8/8/8/8/8/K7 b - - 0 1", "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1"}) {
        engine->Send(std::string("position fen ") + fen);
        EXPECT_EQ(Last(Go("go depth 3")), "bestmove 0000") << fen;
    }
}

TEST_F(UciSession, PromotionNamesTheNewFigure) {
    const std::string position = "position fen 8/P6k/8/8/8/8/8/K7 w - - 0 1";
    engine->Send(position);
    const std::string best = Last(Go("go depth 3"));
    EXPECT_TRUE(NamesLegalMove(best, PositionOf(position))) << best;
}

TEST_F(UciSession, AHugeLineIsToldAndTheSessionGoesOn) {
    engine->Send(std::string(3 << 20, 'x'));
    EXPECT_TRUE(HasInfoString(engine->Ask("isready", "readyok")));
    engine->Send(kOpening);
    EXPECT_TRUE(NamesLegalMove(Last(Go("go depth 3")), PositionOf(kOpening)));
}

TEST_F(UciSession, EndedBySignalItStillRemovesItsFolder) {
    ASSERT_FALSE(fs::is_empty(root / "tmp")); // its private folder
    kill(engine->child.Pid(), SIGTERM);
    for (int i = 0; i < 100 && engine->Running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(engine->Running());
    EXPECT_TRUE(fs::is_empty(root / "tmp"));
}

TEST_F(UciSession, LeavesNothingBehindInItsOrTheCallersFolder) {
    engine->Send(kOpening);
    ASSERT_FALSE(Go("go depth 3").empty());
    engine->Send("quit");
    for (int i = 0; i < 100 && engine->Running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::is_empty(root / "work"));
    EXPECT_TRUE(fs::is_empty(root / "tmp"));
}

} // namespace
