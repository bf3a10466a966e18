#include "notation/pgn_reader.h"

#include <algorithm>

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/pgn_lexer.h"
#include "notation/play.h"
#include "notation/san.h"

namespace notation {

namespace {

const char* Verdict(SanError error) {
    switch (error) {
    case SanError::kAmbiguous:
        return "is ambiguous in this position";
    case SanError::kUnreadable:
        return "is not a move";
    default:
        return "is not possible in this position";
    }
}

// "Move 23 of White, Nxe5, is not possible in this position".
std::string MoveProblem(const Position& p, std::string_view text, SanError error) {
    return "Move " + std::to_string(p.fullmoveNumber) + " of " +
           (p.side == kWhite ? "White" : "Black") + ", " + std::string(text) + ", " +
           Verdict(error);
}

std::string StartOf(const PgnGameEntry& entry, PgnGame& game) {
    const std::string fen = entry.Tag("FEN");
    if (fen.empty()) {
        game.start = StartPosition();
        return "";
    }
    FenReading reading = ReadFen(fen);
    if (!reading) return "Its FEN tag is refused: " + reading.error;
    game.start = reading.position;
    game.setUp = true;
    return "";
}

} // namespace

PgnGameReading ReadPgnGame(std::string_view text, const PgnGameEntry& entry, int index) {
    PgnGameReading reading;
    PgnGame& game = reading.game;
    const auto fail = [&](const std::string& why) {
        reading.error = entry.Name(index) + ": " + why;
        return reading;
    };
    if (entry.begin > entry.end || entry.end > text.size())
        return fail("The game is not in this text");
    game.tags = entry.tags;
    if (std::string e = StartOf(entry, game); !e.empty()) return fail(e);
    game.result = entry.Tag("Result").empty() ? "*" : entry.Tag("Result");

    Position position = game.start;
    PgnLexer lexer(text.substr(entry.begin, entry.end - entry.begin));
    int depth = 0;
    for (PgnToken t = lexer.Next(); t.kind != PgnToken::kEnd; t = lexer.Next()) {
        if (t.kind == PgnToken::kOpenVariation) ++depth;
        if (t.kind == PgnToken::kCloseVariation) depth = std::max(depth - 1, 0);
        if (depth > 0) continue;
        if (t.kind == PgnToken::kResult) game.result = std::string(t.text);
        if (t.kind != PgnToken::kMove) continue;
        const SanReading move = ParseSan(position, t.text);
        if (!move) return fail(MoveProblem(position, t.text, move.error));
        game.moves.push_back(move.move);
        position = Play(position, move.move);
    }
    return reading;
}

} // namespace notation
