// FEN text. A position that reads must write back to a FEN that reads to the
// same position, survive the way through the board's rights words, and have
// every legal move's SAN read back to that move.
#include "fuzz/fuzz_support.h"
#include "notation/board_bridge.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/san.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const notation::FenReading reading = notation::ReadFen(text);
    if (!reading) return 0;
    const notation::Position& p = reading.position;
    const std::string fen = notation::WriteFen(p);
    const notation::FenReading again = notation::ReadFen(fen);
    if (!again || !(again.position == p)) fuzz::Fail("a written FEN reads back other");

    const notation::BoardTurn turn{p.side, p.halfmoveClock, p.fullmoveNumber};
    const notation::Position bridged = notation::PositionFromBoard(
        notation::PiecesFromPosition(p), notation::RightsFromPosition(p), turn);
    if (!(bridged == p)) fuzz::Fail("a position changed on its way through the board's words");

    const notation::MoveList legal = notation::LegalMoves(p);
    for (const notation::Move m : legal) {
        const notation::SanReading san = notation::ParseSan(p, notation::ToSan(p, m, legal), legal);
        if (!san || !(san.move == m)) fuzz::Fail("a move's SAN reads back other");
    }
    return 0;
}
