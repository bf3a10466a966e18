#include "app/controller/typed_move.h"

#include "notation/pieces.h"
#include "notation/san.h"

#include <cctype>
#include <optional>

namespace {

std::optional<sSquare> SquareAt(std::string_view text, size_t at) {
    if (at + 1 >= text.size()) return std::nullopt;
    const int x = std::tolower(static_cast<unsigned char>(text[at])) - 'a';
    const int y = text[at + 1] - '1';
    if (!IsOnBoard(x, y)) return std::nullopt;
    return sSquare{x, y};
}

bool IsCheckSign(char c) {
    return c == '+' || c == '#' || c == '!' || c == '?';
}

// Two squares, perhaps with "-", "x" or ":" between them, a promotion letter
// and check signs after them; blanks anywhere.
std::optional<sTypedMove> SquaresMove(std::string_view typed) {
    std::string text;
    for (char c : typed)
        if (c != ' ' && c != '\t') text += c;
    const std::optional<sSquare> from = SquareAt(text, 0);
    if (!from) return std::nullopt;
    size_t at = 2;
    if (at < text.size() && (text[at] == '-' || text[at] == 'x' || text[at] == ':')) ++at;
    const std::optional<sSquare> to = SquareAt(text, at);
    if (!to) return std::nullopt;
    at += 2;
    sTypedMove move{*from, *to, 0, {}};
    if (at < text.size() && text[at] == '=') ++at;
    if (at < text.size() && !IsCheckSign(text[at])) {
        const std::optional<int> type = notation::TypeOfLetter(text[at]);
        if (!type || *type < kKnight || *type > kQueen) return std::nullopt;
        move.promotion = *type;
        ++at;
    }
    while (at < text.size() && IsCheckSign(text[at])) ++at;
    if (at != text.size()) return std::nullopt;
    return move;
}

} // namespace

sTypedMove ReadTypedMove(const notation::Position& position, std::string_view text) {
    if (std::optional<sTypedMove> squares = SquaresMove(text)) return *squares;
    const notation::SanReading reading = notation::ParseSan(position, text);
    const std::string quoted = "\"" + std::string(text) + "\"";
    sTypedMove move;
    switch (reading.error) {
    case notation::SanError::kNone:
        move.from = {notation::FileOf(reading.move.from), notation::RankOf(reading.move.from)};
        move.to = {notation::FileOf(reading.move.to), notation::RankOf(reading.move.to)};
        move.promotion = reading.move.promotion;
        break;
    case notation::SanError::kUnreadable:
        move.error = quoted + " is not a move.";
        break;
    case notation::SanError::kNotPossible:
        move.error = "The move " + quoted + " is not possible in this position.";
        break;
    case notation::SanError::kAmbiguous:
        move.error = "The move " + quoted +
                     " fits more than one move in this position; name the figure's file or "
                     "rank too.";
        break;
    }
    return move;
}
