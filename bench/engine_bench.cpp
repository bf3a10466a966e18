// Prints how long the engine's search takes on fixed positions at each level.
#include "engine/fast_search.h"
#include "engine/figure_list.h"
#include "engine/move_generator.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct BenchPosition {
    const char* name;
    const char* placement; // FEN piece placement
    int side;
};

constexpr BenchPosition kPositions[] = {
    {"initial, engine White", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", 0},
    {"after E2-E4, engine Black", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", 1},
    {"middle game", "r2q1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB1QBPPP/R4RK1", 0},
    {"endgame", "6k1/5pp1/7p/8/3r4/7P/5PP1/2R3K1", 0},
};

struct OwnedList {
    std::vector<CFigure> records;
    std::vector<CFigure*> pointers;
    sFigureList list{};
};

OwnedList Parse(const char* placement) {
    OwnedList owned;
    owned.records.reserve(32);
    int rank = 7, file = 0;
    for (const char* c = placement; *c; ++c) {
        if (*c == '/') {
            --rank;
            file = 0;
        } else if (std::isdigit(static_cast<unsigned char>(*c))) {
            file += *c - '0';
        } else {
            const std::string types = "pnbrqk";
            const int type = static_cast<int>(types.find(static_cast<char>(std::tolower(*c)))) + 1;
            owned.records.push_back({type, std::islower(*c) ? 1 : 0, file++, rank, 0});
        }
    }
    std::stable_sort(owned.records.begin(), owned.records.end(),
                     [](const CFigure& a, const CFigure& b) { return a.y < b.y; });
    for (CFigure& f : owned.records) owned.pointers.push_back(&f);
    owned.list = {static_cast<int32_t>(owned.pointers.size()), 0, owned.pointers.data()};
    return owned;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::printf("%-28s %5s %7s %6s %12s %10s %12s\n", "position", "level", "threads", "moves",
                "nodes", "time (s)", "nodes/s");
    for (const BenchPosition& bp : kPositions) {
        OwnedList owned = Parse(bp.placement);
        const sRuleState rules{};
        engine::MoveList moves;
        engine::GenerateAllMoves(owned.list, bp.side, moves, rules);
        for (int level = 0; level <= 2; ++level)
            for (int threads = 1; threads <= 2; ++threads) {
                std::vector<double> times;
                uint64_t nodes = 0;
                for (int run = 0; run < runs; ++run) {
                    engine::SearchContext ctx;
                    ctx.engineColor = bp.side;
                    ctx.depth = level + 2;
                    ctx.clockSecond = [] { return int64_t{1}; };
                    ctx.threads = threads;
                    const auto start = std::chrono::steady_clock::now();
                    engine::SearchMoves(owned.list, bp.side, ctx.depth, rules, ctx);
                    times.push_back(
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                            .count());
                    nodes = ctx.nodes;
                }
                std::sort(times.begin(), times.end());
                const double median = times[times.size() / 2];
                std::printf("%-28s %5d %7d %6zu %12llu %10.4f %12.0f\n", bp.name, level, threads,
                            moves.size(), static_cast<unsigned long long>(nodes), median,
                            nodes / median);
            }
    }
    return 0;
}
