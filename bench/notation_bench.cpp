// Times the notation library on generated games: listing a 10,000-game PGN
// file, opening one game of 200 moves, and SAN for every legal move of 1,000
// positions.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "best_of.h"
#include "notation/move_generator.h"
#include "notation/pgn_file.h"
#include "notation/pgn_reader.h"
#include "notation/pgn_writer.h"
#include "notation/san.h"
#include "random_games.h"

namespace {

using namespace notation;
std::string Pgn(const testing::RandomGame& game, int number) {
    PgnExport out;
    out.header.white = "Player " + std::to_string(number);
    out.header.black = ComputerPlayerName(number % 3);
    out.header.date = PgnDate(2024, 1 + number % 12, 1 + number % 28);
    out.header.result = ResultOf(game.positions.back());
    out.san = SanOfMoves(game.start, game.moves);
    return WritePgn(out);
}

void Report(const char* what, double ms, double goal) {
    std::printf("%-58s %8.2f ms  (goal %g ms)\n", what, ms, goal);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    std::string file;
    for (int i = 0; i < 10000; ++i) file += Pgn(testing::PlayRandomGame(uint32_t(i), 120), i);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "notation_bench.pgn";
    std::ofstream(path, std::ios::binary) << file;
    size_t listed = 0;
    const double list = BestOf(runs, [&] {
        const PgnFileReading reading = ReadPgnFile(path.string());
        listed = ListPgnGames(reading.text).size();
    });
    std::filesystem::remove(path);
    std::printf("10,000 games, %.1f MB, %zu listed\n", double(file.size()) / 1e6, listed);
    Report("reading the file to its game list", list, 1000);

    const std::string one = Pgn(testing::PlayGameOfLength(400), 0);
    size_t moves = 0;
    const double open = BestOf(runs, [&] {
        const std::vector<PgnGameEntry> games = ListPgnGames(one);
        moves = ReadPgnGame(one, games.at(0), 0).game.moves.size();
    });
    std::printf("one game of %zu moves of both sides\n", moves);
    Report("opening it (parsing and checking every move)", open, 50);

    std::vector<Position> positions;
    for (uint32_t seed = 1; positions.size() < 1000; ++seed)
        for (const Position& p : testing::PlayRandomGame(50000 + seed, 100).positions)
            if (positions.size() < 1000) positions.push_back(p);
    size_t written = 0;
    const double san = BestOf(runs, [&] {
        written = 0;
        for (const Position& p : positions) {
            const MoveList legal = LegalMoves(p);
            for (const Move m : legal) written += ToSan(p, m, legal).size() > 0;
        }
    });
    std::printf("1,000 positions, %zu legal moves\n", written);
    Report("SAN for every legal move", san, 50);
    return 0;
}
