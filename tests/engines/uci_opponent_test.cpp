// An outside program as the computer's side: answers, failures of every
// kind, Stop Thinking, the level's strength options, and Debian's stockfish.
#include <gtest/gtest.h>

#include <chrono>

#include "engines/uci_opponent.h"
#include "fake_engines.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "platform/message_pump.h"

namespace engines {
namespace {

// Black to move after 1. e4.
notation::Position AfterE4() {
    return notation::ReadFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1").position;
}

OutsideEngineSettings SettingsFor(const std::string& path) {
    OutsideEngineSettings s;
    s.kind = kUciEngine;
    s.path = path;
    for (LevelPlay& l : s.levels) l.moveTimeMs = 100;
    return s;
}

// Counts the rounds of the caller's messages and, from a given round on,
// sets the stop word as Stop Thinking does.
class PumpProbe {
public:
    explicit PumpProbe(int* stop = nullptr, int stopAt = 0) {
        previous_ = platform::SetMessagePump([this, stop, stopAt] {
            if (stop && ++rounds == stopAt) *stop = 1;
            if (!stop) ++rounds;
            return false;
        });
    }
    ~PumpProbe() { platform::SetMessagePump(previous_); }
    int rounds = 0;

private:
    platform::MessagePump previous_;
};

class UciOpponentTest : public ::testing::Test {
protected:
    UciOpponent::Reply Ask(const std::string& path, int level = 0, int* stop = nullptr) {
        return opponent.BestMove(SettingsFor(path), AfterE4(), level, stop);
    }
    FakeEngines fakes;
    UciOpponent opponent;
};

TEST_F(UciOpponentTest, ALegalAnswerIsTheMoveAndTheWindowKeepsItsMessages) {
    const std::string path =
        fakes.Make("good", "sleep 0.2; echo 'info depth 1'; echo 'bestmove e7e5 ponder g1f3'");
    PumpProbe probe;
    const UciOpponent::Reply reply = Ask(path);
    ASSERT_TRUE(reply.move) << reply.problem;
    EXPECT_EQ(notation::ToUci(*reply.move), "e7e5");
    EXPECT_GT(probe.rounds, 5);
    EXPECT_EQ(opponent.Name(), "good");
    // The program stays for the next question and hears the position each time.
    ASSERT_TRUE(Ask(path).move);
    const std::string log = fakes.Log();
    EXPECT_EQ(log.find("uci\n"), log.rfind("uci\n"));
    EXPECT_NE(log.find("position fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1\n"
                       "go movetime 100\n"),
              std::string::npos);
}

TEST_F(UciOpponentTest, FailuresAreExplainedAndTheProgramIsStartedAfresh) {
    struct Case {
        const char* name;
        std::string onGo;
        const char* says;
    } cases[] = {
        {"dies", "exit 3", "stopped while thinking"},
        {"illegal", "echo 'bestmove e2e5'", "\"e2e5\", which is not a legal move here"},
        {"garbage", "printf 'zzz\\001\\377\\nbestmove banana\\n'", "\"banana\""},
        {"none", "echo 'bestmove 0000'", "\"0000\""},
    };
    for (const Case& c : cases) {
        const UciOpponent::Reply reply = Ask(fakes.Make(c.name, c.onGo));
        EXPECT_FALSE(reply.move) << c.name;
        EXPECT_NE(reply.problem.find("The chess engine \"" + std::string(c.name) + "\""),
                  std::string::npos)
            << reply.problem;
        EXPECT_NE(reply.problem.find(c.says), std::string::npos) << reply.problem;
    }
    // After a failure the next question starts the program again.
    const std::string once =
        fakes.Make("dies-once",
                   "[ -e \"$0.died\" ] && echo 'bestmove d7d5' || { touch \"$0.died\"; exit 1; }");
    EXPECT_FALSE(Ask(once).move);
    const UciOpponent::Reply again = Ask(once);
    ASSERT_TRUE(again.move) << again.problem;
    EXPECT_EQ(notation::ToUci(*again.move), "d7d5");
}

TEST_F(UciOpponentTest, AProgramThatCannotRunIsNamed) {
    const UciOpponent::Reply reply = Ask("/nonexistent/engine");
    EXPECT_FALSE(reply.move);
    EXPECT_EQ(reply.problem, "The chess engine \"engine\" could not be started.");
}

TEST_F(UciOpponentTest, NoAnswerPastTheMoveTimeEndsTheWait) {
    // Silent, and talking without end but never naming a move.
    for (const char* onGo : {"true", "yes 'info depth 1'"}) {
        PumpProbe probe;
        const auto start = std::chrono::steady_clock::now();
        const UciOpponent::Reply reply = Ask(fakes.Make("mute", onGo));
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(reply.move) << onGo;
        EXPECT_NE(reply.problem.find("did not answer in time"), std::string::npos) << onGo;
        EXPECT_GE(waited, std::chrono::milliseconds(100 + kAnswerGraceMs));
        EXPECT_LT(waited, std::chrono::milliseconds(100 + 3 * kAnswerGraceMs));
        EXPECT_GT(probe.rounds, 100) << onGo; // the window was kept alive
    }
}

TEST_F(UciOpponentTest, StopThinkingSendsStopAndTakesTheMoveThen) {
    // Thinks until told to stop.
    const std::string path = fakes.Make(
        "thinker",
        "while read -r l; do [ \"$l\" = stop ] && { echo 'bestmove c7c5'; break; }; done");
    int stop = 0;
    PumpProbe probe(&stop, 20);
    OutsideEngineSettings settings = SettingsFor(path);
    settings.levels[0].moveTimeMs = 60000;
    const UciOpponent::Reply reply = opponent.BestMove(settings, AfterE4(), 0, &stop);
    ASSERT_TRUE(reply.move) << reply.problem;
    EXPECT_EQ(notation::ToUci(*reply.move), "c7c5");
}

TEST_F(UciOpponentTest, LevelsSetTheStrengthTheProgramOffers) {
    const std::string skill =
        fakes.Make("skill", "echo 'bestmove e7e5'",
                   "echo 'option name Skill Level type spin default 20 min 0 max 20'");
    OutsideEngineSettings settings = SettingsFor(skill);
    settings.levels[1].skillLevel = 35;
    ASSERT_TRUE(opponent.BestMove(settings, AfterE4(), 1, nullptr).move);
    EXPECT_NE(fakes.Log().find("setoption name Skill Level value 20\n"), std::string::npos);

    const std::string elo =
        fakes.Make("elo", "echo 'bestmove e7e5'",
                   "echo 'option name UCI_LimitStrength type check default false'; "
                   "echo 'option name UCI_Elo type spin default 1500 min 1400 max 2000'");
    settings.path = elo;
    ASSERT_TRUE(opponent.BestMove(settings, AfterE4(), 0, nullptr).move);
    const std::string log = fakes.Log();
    EXPECT_NE(
        log.find(
            "setoption name UCI_LimitStrength value true\nsetoption name UCI_Elo value 1400\n"),
        std::string::npos)
        << log;
}

TEST(UciOpponentStockfish, PlaysLegalMovesAtEveryLevelAndStopsWhenAsked) {
    const std::string stockfish = platform::FindProgram("stockfish");
    if (stockfish.empty()) GTEST_SKIP() << "stockfish is not installed";
    UciOpponent opponent;
    OutsideEngineSettings settings = SettingsFor(stockfish);
    for (int level = 0; level < 3; ++level) {
        const UciOpponent::Reply reply = opponent.BestMove(settings, AfterE4(), level, nullptr);
        ASSERT_TRUE(reply.move) << reply.problem;
        EXPECT_TRUE(notation::LegalMoves(AfterE4()).Contains(*reply.move));
    }
    EXPECT_TRUE(opponent.Offers("Skill Level"));
    settings.levels[2].moveTimeMs = 600000;
    int stop = 0;
    PumpProbe probe(&stop, 50);
    const UciOpponent::Reply stopped = opponent.BestMove(settings, AfterE4(), 2, &stop);
    ASSERT_TRUE(stopped.move) << stopped.problem;
    opponent.Close();
}

} // namespace
} // namespace engines
