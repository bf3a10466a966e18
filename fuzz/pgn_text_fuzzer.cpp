// PGN text: the game list and the games in it. A game that reads must come
// back with the same moves once written out again, and must become history
// records with one position a move.
#include "fuzz/fuzz_support.h"
#include "notation/board_history.h"
#include "notation/pgn_reader.h"
#include "notation/pgn_writer.h"
#include "notation/san.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<notation::PgnGameEntry> games = notation::ListPgnGames(text);
    for (size_t i = 0; i < games.size() && i < 8; ++i) {
        const notation::PgnGameReading reading = notation::ReadPgnGame(text, games[i], int(i));
        if (!reading) continue;
        const notation::PgnGame& game = reading.game;
        notation::PgnExport out;
        out.start = game.start;
        out.header.white = games[i].Tag("White");
        out.san = notation::SanOfMoves(game.start, game.moves);
        const std::string written = notation::WritePgn(out);
        const std::vector<notation::PgnGameEntry> again = notation::ListPgnGames(written);
        if (again.size() != 1) fuzz::Fail("a written game does not list as one game");
        const notation::PgnGameReading back = notation::ReadPgnGame(written, again[0], 0);
        if (!back || back.game.moves != game.moves) fuzz::Fail("a written game reads back other");
        if (notation::HistoryOfGame(game.start, game.moves).size() != game.moves.size() + 1)
            fuzz::Fail("history records do not match the moves");
    }
    return 0;
}
