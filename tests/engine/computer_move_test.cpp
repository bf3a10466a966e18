#include "engine/computer_move.h"
#include "engine/move_generator.h"
#include "engine/step_tables.h"
#include "platform/library.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/paths.h"
#include "search_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

using namespace engine;
using namespace engine_test;

namespace {

// Runs each test in a fresh directory, since the engine writes its report
// into the current one, with the random choices on a fixed clock second.
class ComputerMove : public ::testing::Test {
protected:
    void SetUp() override {
        previous = platform::CurrentDirectory();
        char pattern[] = "/tmp/engine-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        ASSERT_TRUE(platform::ChangeDirectory(directory));
        SetSearchClock([] { return int64_t{1000}; });
    }
    void TearDown() override {
        SetSearchClock({});
        platform::SetMessagePump({});
        platform::ChangeDirectory(previous);
        std::system(("rm -rf '" + directory + "'").c_str());
    }

    struct Outcome {
        CFigure* captured = reinterpret_cast<CFigure*>(1);
        CFigure* moved = reinterpret_cast<CFigure*>(1);
        int x = -1, y = -1;
    };

    Outcome Call(Position& p, int opponentColor, int level, int* stop = nullptr,
                 GetComputerMoveFn entry = nullptr) {
        Outcome o;
        int noStop = 0;
        const int result =
            (entry ? entry : ComputeMove)(&p.list, opponentColor, level, &p.rules, &o.captured,
                                          &o.moved, &o.x, &o.y, stop ? stop : &noStop);
        EXPECT_EQ(result, 0);
        return o;
    }

    std::string Report() const { return ReadFile(kDebugReportName); }

    std::string previous, directory;
};

int RootMoveCount(const Position& p, int color) {
    MoveList moves;
    GenerateAllMoves(p.list, color, moves, p.rules);
    return static_cast<int>(moves.size());
}

int CountLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// Castling is the one move that mates at once.
const char* const kCastlingMate = "4rkr1/4p1p1/8/8/8/8/8/4K2R";

} // namespace

TEST_F(ComputerMove, CastlingMovesTheRookAndSetsTheKingFlag) {
    Position p = FromPlacement(kCastlingMate);
    p.rules[2] = 1; // white's en passant right goes
    p.rules[3] = 1;
    p.rules[12] = 4;
    const sRuleState before = p.rules;
    CFigure* king = p.At("E1");
    CFigure* rook = p.At("H1");
    const Outcome o = Call(p, 1, 0);
    EXPECT_EQ(o.moved, king);
    EXPECT_EQ(o.captured, nullptr);
    EXPECT_EQ(o.x, 6);
    EXPECT_EQ(o.y, 0);
    EXPECT_EQ(king->x, 4); // the caller moves the king itself
    EXPECT_EQ(rook->x, 5);
    for (int i = 0; i < 14; ++i) {
        const int expected = i == 0 ? 1 : i == 2 ? 0 : before[i];
        EXPECT_EQ(p.rules[i], expected) << i;
    }
}

TEST_F(ComputerMove, PromotionAndCaptureOutputs) {
    Position promotion = FromPlacement("7k/4P3/8/8/8/8/8/K7");
    CFigure* pawn = promotion.At("E7");
    const Outcome o = Call(promotion, 1, 1);
    EXPECT_EQ(o.moved, pawn);
    EXPECT_EQ(o.y, 7);
    EXPECT_EQ(pawn->type, kQueen);
    EXPECT_EQ(pawn->y, 6);

    // The engine as black (opponent colour 0) takes the hanging queen.
    Position capture = FromPlacement("r6k/8/8/8/8/8/8/Q6K");
    CFigure* queen = capture.At("A1");
    const Outcome c = Call(capture, 0, 0);
    EXPECT_EQ(c.moved, capture.At("A8"));
    EXPECT_EQ(c.captured, queen);
    EXPECT_EQ(capture.rules[10], 1); // black's file-A rook has moved
    EXPECT_EQ(queen->x, 0);
}

TEST_F(ComputerMove, OpponentColourLevelsAndReport) {
    Position p = FromPlacement("6k1/5pp1/7p/8/3r4/7P/5PP1/2R3K1");
    const Outcome white = Call(p, 7, 0); // any non-zero opponent: the engine is white
    EXPECT_EQ(white.moved->color, 0);
    const std::string level0 = Report();
    EXPECT_EQ(level0, RunSearch(Searcher::kFast, p, 0, 0).report);
    EXPECT_EQ(Call(p, 0, 0).moved->color, 1);
    EXPECT_EQ(CountLines(Report()), 2 + RootMoveCount(p, 1)); // only this call's report

    Call(p, 7, -5);
    EXPECT_EQ(Report(), level0);
    Call(p, 7, 1);
    EXPECT_EQ(Report(), RunSearch(Searcher::kFast, p, 0, 1).report);
}

TEST_F(ComputerMove, NoMoveLeavesEverythingAlone) {
    Position mated = FromPlacement("R5k1/5ppp/8/8/8/8/8/6K1");
    mated.rules[3] = 1;
    const Position before = mated;
    const Outcome o = Call(mated, 0, 0);
    EXPECT_EQ(o.moved, nullptr);
    EXPECT_EQ(o.captured, nullptr);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(mated.rules[i], before.rules[i]);
    for (std::size_t i = 0; i < mated.records.size(); ++i)
        EXPECT_EQ(mated.records[i].type, before.records[i].type);
    EXPECT_EQ(Report(), "");
}

TEST_F(ComputerMove, PumpsMessagesAndStopsWhenAsked) {
    Position p = FromPlacement("r2q1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB1QBPPP/R4RK1");
    int stop = 0;
    int pumped = 0;
    platform::SetMessagePump([&] {
        if (++pumped == 3) stop = 1; // the user pressed Stop Thinking
        return true;
    });
    const Outcome o = Call(p, 1, 2, &stop);
    EXPECT_GE(pumped, 3);
    MoveList rootMoves;
    GenerateAllMoves(p.list, 0, rootMoves, p.rules);
    bool found = false;
    for (const auto& m : rootMoves)
        found = found || (m.piece == o.moved && m.x == o.x && m.y == o.y);
    EXPECT_TRUE(found);
    EXPECT_EQ(CountLines(Report()), 2 + static_cast<int>(rootMoves.size()));

    // Stop pressed before the search starts: still a move of the root.
    platform::SetMessagePump([] { return true; });
    stop = 1;
    const Outcome early = Call(p, 1, 2, &stop);
    EXPECT_NE(early.moved, nullptr);
    EXPECT_EQ(CountLines(Report()), 2 + static_cast<int>(rootMoves.size()));

    // Without a pump the stop word is never looked at; the search just ends.
    platform::SetMessagePump({});
    Position small = FromPlacement("7k/8/8/8/8/8/8/K6R");
    stop = 1;
    EXPECT_NE(Call(small, 1, 0, &stop).moved, nullptr);
}

TEST_F(ComputerMove, WorksThroughTheLoadedLibrary) {
    ASSERT_TRUE(platform::ChangeDirectory(TAVLION_STAGE_DIR));
    platform::LibraryHandle library = platform::LoadLibrary(kEngineLibraryName);
    ASSERT_TRUE(platform::ChangeDirectory(directory));
    ASSERT_NE(library, nullptr);
    auto entry = reinterpret_cast<GetComputerMoveFn>(
        platform::GetProcAddress(library, kGetComputerMoveOrdinal));
    ASSERT_NE(entry, nullptr);
    Position p = FromPlacement(kCastlingMate);
    const int moveCount = RootMoveCount(p, 0);
    const Outcome o = Call(p, 1, 0, nullptr, entry);
    EXPECT_EQ(o.moved, p.At("E1"));
    EXPECT_EQ(o.x, 6);
    EXPECT_EQ(p.At("F1")->type, kRook);
    EXPECT_EQ(p.rules[0], 1);
    EXPECT_EQ(CountLines(Report()), 2 + moveCount);
    platform::FreeLibrary(library);
}

TEST_F(ComputerMove, SideWithoutKingIsReportedOnceOnTheCallingThread) {
    std::vector<std::thread::id> boxes;
    auto previous =
        platform::SetMessageBoxHandler([&](const std::string&, const std::string&, int) {
            boxes.push_back(std::this_thread::get_id());
            return platform::kIdOk;
        });
    Position p = FromPlacement("8/8/8/8/8/8/8/K6R");
    EXPECT_NE(Call(p, 1, 0).moved, nullptr);
    platform::SetMessageBoxHandler(previous);
    EXPECT_EQ(boxes, std::vector<std::thread::id>{std::this_thread::get_id()});
}
