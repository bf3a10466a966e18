#include "engine/fast_position.h"
#include "engine/figure_list.h"
#include "engine/game_status.h"
#include "engine/move_generator.h"
#include "search_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

using namespace engine;
using namespace engine_test;

namespace {

// The report line of the root move from `from` to `to`, or "".
std::string ReportLine(const std::string& report, const std::string& from, const std::string& to) {
    std::istringstream lines(report);
    const std::string key = "from (" + from.substr(0, 1) + "," + from.substr(1) + ") to (" +
                            to.substr(0, 1) + "," + to.substr(1) + ")";
    for (std::string line; std::getline(lines, line);)
        if (line.find(key) != std::string::npos) return line;
    return "";
}

int PriceIn(const std::string& line) {
    return std::stoi(line.substr(line.find("price=") + 6));
}

// Price by "from to" of every line of a report.
std::map<std::string, int> Prices(const std::string& report) {
    std::map<std::string, int> prices;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);)
        if (const auto from = line.find("from "); from != std::string::npos)
            prices[line.substr(from, line.find(" type") - from)] = PriceIn(line);
    return prices;
}

int CountLines(const std::string& report) {
    int n = 0;
    for (char c : report) n += c == '\n';
    return n;
}

} // namespace

TEST(Search, MatePricesDependOnThePliesToSpare) {
    // Black is mated: one ply below a level-0 root, and at a leaf.
    Position mated = FromPlacement("R5k1/5ppp/8/8/8/8/8/6K1");
    SearchContext ctx;
    ctx.engineColor = 0;
    ctx.depth = 2;
    EXPECT_EQ(SearchMoves(mated.list, 1, 1, mated.rules, ctx).price, 66666);
    EXPECT_EQ(SearchMoves(mated.list, 1, 0, mated.rules, ctx).price, 33333);
    EXPECT_EQ(ReferenceSearchMoves(mated.list, 1, 0, mated.rules, ctx).price, 33333);
    const sEngineMove none = SearchMoves(mated.list, 1, 0, mated.rules, ctx);
    EXPECT_EQ(none.piece, nullptr);

    // Rook A1-A8 mates at once: its static score plus 66666 at the root.
    Position mateInOne = FromPlacement("6k1/5ppp/8/8/8/8/8/R5K1");
    const SearchRun run = RunSearch(Searcher::kFast, mateInOne, 0, 0);
    EXPECT_EQ(PriceIn(ReportLine(run.report, "A1", "A8")), -30 + 66666);
    EXPECT_EQ(run.result.x, 0);
    EXPECT_EQ(run.result.y, 7);
}

TEST(Search, MovesExposingTheKingArePricedOut) {
    // The bishop on E2 is pinned against the white king.
    Position pinned = FromPlacement("4r1k1/8/8/8/8/8/4B3/4K3");
    const SearchRun run = RunSearch(Searcher::kFast, pinned, 0, 0);
    EXPECT_EQ(PriceIn(ReportLine(run.report, "E2", "D3")), -65535);
    EXPECT_EQ(PriceIn(ReportLine(run.report, "E2", "A6")), -65535);
    EXPECT_NE(run.result.piece->type, kBishop);
    // The same from the opponent's side at the root.
    Position black = FromPlacement("4k3/4b3/8/8/8/8/8/4R1K1");
    SearchContext ctx;
    ctx.engineColor = 0;
    ctx.depth = 2;
    std::FILE* log = std::tmpfile();
    ctx.log = log;
    SearchMoves(black.list, 1, 2, black.rules, ctx);
    std::rewind(log);
    char text[4096] = {};
    std::fread(text, 1, sizeof text - 1, log);
    std::fclose(log);
    EXPECT_EQ(PriceIn(ReportLine(text, "E7", "D6")), 65535);
}

TEST(Search, PromotionIsScoredButTheSearchKeepsAPawn) {
    // E7-E8 earns 706; the rook on D8 takes the pawn back on E8 and returns the 700.
    Position p = FromPlacement("3r3k/4P3/8/8/8/8/8/K7");
    const SearchRun run = RunSearch(Searcher::kFast, p, 0, 0);
    const std::string line = ReportLine(run.report, "E7", "E8");
    ASSERT_FALSE(line.empty());
    // 706 now, then the recapture (weighted 2/3) and the best reply after it.
    EXPECT_LT(PriceIn(line), 706 - 500);
    EXPECT_EQ(RunSearch(Searcher::kReference, p, 0, 0).report, run.report);
    Position free = FromPlacement("7k/4P3/8/8/8/8/8/K7");
    const SearchRun promote = RunSearch(Searcher::kFast, free, 0, 0);
    EXPECT_EQ(promote.result.piece->type, kPawn); // the search never changes the record
    EXPECT_EQ(promote.result.y, 7);
}

TEST(Search, ReportListsEveryRootMoveInItsFormat) {
    const SearchRun run = RunSearch(Searcher::kFast, InitialPosition(), 0, 0);
    EXPECT_EQ(run.report.substr(0, 4), "\r\n\r\n");
    EXPECT_EQ(CountLines(run.report), 2 + 20);
    std::istringstream lines(run.report.substr(4));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 3), "0) ");
    EXPECT_NE(line.find(" from ("), std::string::npos);
    EXPECT_EQ(line.back(), '\r');
    EXPECT_NE(ReportLine(run.report, "G1", "F3").find("2 from (G,1) to (F,3) type=0 price="),
              std::string::npos);
    EXPECT_NE(ReportLine(run.report, "E2", "E4").find("1 from (E,2) to (E,4) type=0 price="),
              std::string::npos);
}

TEST(Search, SameSecondSameMove) {
    Position p = InitialPosition();
    for (int64_t second : {5, 6, 7}) {
        const SearchRun a = RunSearch(Searcher::kFast, p, 0, 0, second);
        const SearchRun b = RunSearch(Searcher::kFast, p, 0, 0, second);
        EXPECT_EQ(a.result, b.result);
    }
}

TEST(Search, StopKeepsARootMoveAndTheFullReport) {
    Position p = InitialPosition();
    for (int stopAt : {2, 3, 50, 400}) {
        const SearchRun run = RunSearch(Searcher::kFast, p, 0, 1, 1000, stopAt);
        ASSERT_NE(run.result.piece, nullptr) << stopAt;
        EXPECT_EQ(run.result.stopped, 1);
        EXPECT_EQ(CountLines(run.report), 22);
        EXPECT_EQ(RunSearch(Searcher::kReference, p, 0, 1, 1000, stopAt).report, run.report);
    }
    // The root's own poll stops it before anything is searched.
    const SearchRun atRoot = RunSearch(Searcher::kFast, p, 0, 0, 1000, 1);
    EXPECT_EQ(atRoot.result.piece, nullptr);
    EXPECT_EQ(atRoot.result.stopped, 1);
}

TEST(FastSearch, MatchesTheReferenceOnRandomGames) {
    std::mt19937 random(99);
    int compared = 0;
    for (int game = 0; game < 60; ++game) {
        int side = 0;
        const int plies = static_cast<int>(random() % 100);
        Position p = RandomGame(random, plies, side);
        const int level = game % 20 == 0 ? 1 : 0;
        const int64_t second = static_cast<int64_t>(random());
        const int stopAt = game % 4 == 3 ? static_cast<int>(random() % 300) + 2 : 0;
        const SearchRun fastRun = RunSearch(Searcher::kFast, p, side, level, second, stopAt);
        const SearchRun reference = RunSearch(Searcher::kReference, p, side, level, second, stopAt);
        ASSERT_EQ(fastRun.result, reference.result) << "game " << game;
        ASSERT_EQ(fastRun.report, reference.report) << "game " << game;
        ASSERT_EQ(fastRun.nodes, reference.nodes) << "game " << game;
        ++compared;
    }
    EXPECT_EQ(compared, 60);
}

TEST(FastSearch, MovesAndStatusMatchTheRulesOnRandomGames) {
    std::mt19937 random(5);
    for (int game = 0; game < 40; ++game) {
        Position p = InitialPosition();
        int side = 0;
        for (int ply = 0; ply < 120; ++ply) {
            fast::Position compact;
            ASSERT_TRUE(fast::Load(p.list, p.rules, compact));
            MoveList expected;
            GenerateAllMoves(p.list, side, expected, p.rules);
            const int king = fast::FindKing(compact, side);
            const uint64_t enemy = fast::AttacksBy(compact, 1 - side, compact.SquareOf(king));
            fast::Move moves[fast::kMaxMoves];
            const int count = fast::GenerateAllMoves(compact, side, enemy, moves);
            ASSERT_EQ(count, static_cast<int>(expected.size()));
            for (int k = 0; k < count; ++k) {
                ASSERT_EQ(p.list.figures[moves[k].figure], expected[k].piece);
                ASSERT_EQ(moves[k].x, expected[k].x);
                ASSERT_EQ(moves[k].y, expected[k].y);
                ASSERT_EQ(moves[k].kind, expected[k].kind);
            }
            const bool inCheck = (enemy >> compact.SquareOf(king)) & 1;
            const GameStatus status = GameStatusOf(side, p.list, p.rules);
            if (inCheck) {
                ASSERT_EQ(fast::InCheckStatus(compact, side, king, moves, count), status);
            }
            const auto safe = SafeMoves(p, side);
            if (safe.empty()) break;
            p = Play(p, safe[random() % safe.size()]);
            side = 1 - side;
        }
    }
}

TEST(FastSearch, UnusualListsGoToTheReference) {
    // Two figures on one square and a figure of an unknown type.
    Position p = FromPlacement("4k3/8/8/8/8/8/4P3/4K3");
    p.Add(2, 0, "E2");
    p.Add(9, 1, "A5");
    fast::Position compact;
    EXPECT_FALSE(fast::Load(p.list, p.rules, compact));
    const SearchRun fastRun = RunSearch(Searcher::kFast, p, 0, 0);
    EXPECT_EQ(fastRun.report, RunSearch(Searcher::kReference, p, 0, 0).report);
    EXPECT_NE(fastRun.result.piece, nullptr);
}

TEST(FastSearch, TwoThreadsGiveTheSameSearch) {
    std::mt19937 random(321);
    for (int game = 0; game < 12; ++game) {
        int side = 0;
        Position p = RandomGame(random, static_cast<int>(random() % 80), side);
        const int level = 1;
        const int64_t second = static_cast<int64_t>(random());
        const SearchRun one = RunSearch(Searcher::kFast, p, side, level, second, 0, -1, 1);
        const SearchRun two = RunSearch(Searcher::kFast, p, side, level, second, 0, -1, 2);
        ASSERT_EQ(one.result, two.result) << "game " << game;
        ASSERT_EQ(one.report, two.report) << "game " << game;
        ASSERT_EQ(one.nodes, two.nodes) << "game " << game;
    }
}

TEST(FastSearch, StopWithTwoThreadsKeepsASequentialOutcome) {
    // A stop in root move s: moves before it complete, moves after it static.
    Position p = InitialPosition();
    const auto searched = Prices(RunSearch(Searcher::kFast, p, 0, 1, 1000, 0, -1, 1).report);
    const auto unsearched = Prices(RunSearch(Searcher::kFast, p, 0, 1, 1000, 2, -1, 1).report);
    for (int stopAt : {2, 30, 500, 1500}) {
        const SearchRun run = RunSearch(Searcher::kFast, p, 0, 1, 1000, stopAt, -1, 2);
        ASSERT_NE(run.result.piece, nullptr) << stopAt;
        EXPECT_EQ(run.result.stopped, 1);
        EXPECT_EQ(CountLines(run.report), 22);
        int partial = 0;
        for (const auto& [move, price] : Prices(run.report))
            partial += price != searched.at(move) && price != unsearched.at(move);
        EXPECT_LE(partial, 1) << stopAt;
    }
}
