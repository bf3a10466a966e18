// Times the game controller on a long game in standard notation: importing
// it from a PGN file (reading, checking every move, building the history
// and putting it on the board), then the move list in SAN, the PGN export
// and the FEN of the position.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/controller/scene.h"
#include "best_of.h"
#include "notation/fen.h"
#include "notation/pgn_writer.h"
#include "notation/san.h"
#include "random_games.h"

namespace {

void Report(const char* what, double ms) {
    std::printf("%-58s %8.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path home = std::filesystem::current_path();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "controller_notation_bench";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    {
        const notation::testing::RandomGame game = notation::testing::PlayGameOfLength(400);
        notation::PgnExport out;
        out.san = notation::SanOfMoves(game.start, game.moves);
        std::ofstream("long.pgn", std::ios::binary) << notation::WritePgn(out);

        CSceneHost host;
        CScene scene(host);
        scene.Create();
        const double open = BestOf(runs, [&] { scene.ImportPgnFile((dir / "long.pgn").string()); });
        std::printf("one game of %d moves of both sides, %d history records\n",
                    scene.moveTable.entries.Count(), scene.board.history.Count());
        Report("importing it through the controller (history included)", open);

        scene.settings.standardNotation = 1;
        size_t texts = scene.MoveNotation()->texts.size();
        const double cached = BestOf(runs, [&] { texts = scene.MoveNotation()->texts.size(); });
        Report("the move list in SAN, for a frame of the same game", cached);
        // The usual start, written out and left empty by turns: the same
        // game under another key, so the list is worked out each time.
        bool spelled = false;
        const double fresh = BestOf(runs, [&] {
            spelled = !spelled;
            scene.startPosition = spelled ? std::string(notation::kStartFen) : std::string();
            texts = scene.MoveNotation()->texts.size();
        });
        std::printf("%zu texts\n", texts);
        Report("the move list in SAN, worked out afresh", fresh);
        const double pgn = BestOf(runs, [&] { scene.GameAsPgn(); });
        Report("the game as PGN", pgn);
        const double fen = BestOf(runs, [&] { scene.PositionAsFen(); });
        Report("the position as FEN", fen);
        scene.Destroy();
    }
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
    return 0;
}
