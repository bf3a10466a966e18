// tavlion-uci's cost per "go" beyond the engine library's own search, and a
// match of each level against stockfish at "Skill Level" 0.
// Usage: uci_bench [overhead [repeats] | match [games per level [levels, e.g. 02]]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engines/figure_set.h"
#include "match_runner.h"
#include "notation/board_bridge.h"
#include "notation/fen.h"
#include "platform/child_process.h"
#include "platform/library.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string kTavlionUci = TAVLION_STAGE_DIR "/tavlion-uci";

constexpr const char* kPositions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1",
    "6k1/5pp1/7p/8/3r4/7P/5PP1/2R3K1 w - - 0 1",
};

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The library's search alone, called in this process as the program calls it.
double LibraryMs(GetComputerMoveFn entry, const notation::Position& p, int level) {
    engines::FigureSet figures(p);
    sRuleState rights = notation::RightsFromPosition(p);
    CFigure *captured = nullptr, *moved = nullptr;
    int x, y, stop = 0;
    const auto start = Clock::now();
    entry(figures.List(), p.side == 0 ? 1 : 0, level, &rights, &captured, &moved, &x, &y, &stop);
    return Ms(Clock::now() - start);
}

// One "go" through tavlion-uci, from sending it to reading "bestmove".
double ProgramMs(platform::ChildProcess& program, const std::string& fen, int level) {
    program.Send("position fen " + fen);
    const auto start = Clock::now();
    program.Send("go depth " + std::to_string(level + 3));
    for (std::string line; program.ReadLine(line, 60000) == platform::ChildProcess::Read::kLine;)
        if (line.rfind("bestmove", 0) == 0) break;
    return Ms(Clock::now() - start);
}

int Overhead(int repeats) {
    const auto entry = reinterpret_cast<GetComputerMoveFn>(platform::GetProcAddress(
        platform::LoadLibrary(kEngineLibraryName), kGetComputerMoveOrdinal));
    platform::ChildProcess program;
    if (!entry || !program.Start(kTavlionUci)) {
        std::fprintf(stderr, "the engine library or %s is missing\n", kTavlionUci.c_str());
        return 1;
    }
    std::printf("%-60s %5s %12s %12s %12s\n", "position", "level", "library ms", "uci ms",
                "overhead ms");
    for (const char* fen : kPositions)
        for (int level : {0, 1}) {
            const notation::Position p = notation::ReadFen(fen).position;
            std::vector<double> library, uci;
            for (int i = 0; i < repeats; ++i) {
                library.push_back(LibraryMs(entry, p, level));
                uci.push_back(ProgramMs(program, fen, level));
            }
            std::printf("%-60s %5d %12.2f %12.2f %12.2f\n", fen, level, Median(library),
                        Median(uci), Median(uci) - Median(library));
        }
    program.Send("quit");
    return 0;
}

int Match(int games, const std::string& levels) {
    const std::string stockfish = platform::FindProgram("stockfish");
    if (stockfish.empty()) {
        std::fprintf(stderr, "stockfish is not installed\n");
        return 1;
    }
    const MatchPlayer weakest{"Stockfish (Skill Level 0)", stockfish, {{"Skill Level", "0"}}, 100};
    static const char* const kLevelNames[] = {"Easy", "Medium", "Difficult"};
    std::printf("%-10s %6s %6s %6s %6s %8s %16s %16s %s\n", "level", "games", "wins", "draws",
                "losses", "score", "Tavlion ms/move", "stockfish ms/move", "problems");
    std::fflush(stdout);
    for (const char digit : levels) {
        const int level = std::clamp(digit - '0', 0, 2);
        const MatchPlayer tavlion{std::string("Tavlion (") + kLevelNames[level] + ")",
                                  kTavlionUci,
                                  {{"Level", std::to_string(level)}},
                                  100};
        int wins = 0, draws = 0, losses = 0, problems = 0;
        double ms[2] = {0, 0};
        int moves[2] = {0, 0};
        std::ofstream pgn("uci_match_" + std::to_string(level) + ".pgn");
        for (int round = 1; round <= games; ++round) {
            const bool tavlionWhite = round % 2 == 1;
            const MatchPlayer& white = tavlionWhite ? tavlion : weakest;
            const MatchPlayer& black = tavlionWhite ? weakest : tavlion;
            const MatchGame game = PlayMatchGame(white, black, 300);
            pgn << MatchGamePgn(game, white, black, round) << "\n" << std::flush;
            // Progress on the side, so that a cut-short run still tells.
            std::fprintf(stderr, "%s round %d: %s %s, %zu plies%s%s\n", kLevelNames[level], round,
                         tavlionWhite ? "Tavlion White" : "Tavlion Black", game.result.c_str(),
                         game.moves.size(), game.problem.empty() ? "" : ", ", game.problem.c_str());
            const std::string ours = tavlionWhite ? "1-0" : "0-1";
            if (game.result == "1/2-1/2")
                ++draws;
            else if (game.result == ours)
                ++wins;
            else
                ++losses;
            if (!game.problem.empty()) ++problems;
            const int t = tavlionWhite ? 0 : 1;
            ms[0] += game.thinkingMs[t], moves[0] += game.movesMade[t];
            ms[1] += game.thinkingMs[1 - t], moves[1] += game.movesMade[1 - t];
        }
        std::printf("%-10s %6d %6d %6d %6d %8.1f %16.1f %16.1f %d\n", kLevelNames[level], games,
                    wins, draws, losses, wins + draws * 0.5, ms[0] / std::max(1, moves[0]),
                    ms[1] / std::max(1, moves[1]), problems);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "overhead";
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 0;
    if (mode == "match") return Match(count ? count : 20, argc > 3 ? argv[3] : "012");
    return Overhead(count ? count : 30);
}
