#include "notation/fen.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "notation/en_passant.h"
#include "notation/pieces.h"

namespace notation {

namespace {

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = text.find_first_not_of(" \t\r\n", i);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        fields.push_back(text.substr(start, end - start));
        i = end;
    }
    return fields;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text.substr(0, 20)) + (text.size() > 20 ? "...\"" : "\"");
}

std::string ReadPlacement(std::string_view field, Position& p) {
    int x = 0, y = 7;
    for (char c : field) {
        const std::string rank = std::to_string(y + 1);
        if (c == '/') {
            if (x < 8) return "Rank " + rank + " of the placement has fewer than eight squares";
            if (--y < 0) return "The placement has more than eight ranks";
            x = 0;
            continue;
        }
        if (c >= '1' && c <= '8') {
            x += c - '0';
        } else if (const std::optional<int> type = TypeOfLetter(c)) {
            if (x < 8) p.Put(SquareOf(x, y), MakePiece(*type, c >= 'a' ? kBlack : kWhite));
            ++x;
        } else {
            return "\"" + std::string(1, c) + "\" in rank " + rank + " is not a piece letter";
        }
        if (x > 8) return "Rank " + rank + " of the placement has more than eight squares";
    }
    if (y > 0) return "The placement has fewer than eight ranks";
    if (x < 8) return "Rank 1 of the placement has fewer than eight squares";
    return "";
}

std::string ReadCastling(std::string_view field, Position& p) {
    if (field == "-") return "";
    for (char c : field) {
        const int color = c >= 'a' ? kBlack : kWhite;
        const std::optional<int> type = TypeOfLetter(c);
        if (!type || (*type != kKing && *type != kQueen))
            return "The castling field " + Quoted(field) + " may hold only K, Q, k and q, or \"-\"";
        const bool kingside = *type == kKing;
        const int home = HomeRank(color), corner = kingside ? 7 : 0;
        const char* side = color == kWhite ? "White" : "Black";
        if (p.At(4, home) != MakePiece(kKing, color) ||
            p.At(corner, home) != MakePiece(kRook, color))
            return std::string(side) + " cannot castle " + (kingside ? "kingside" : "queenside") +
                   ": its king and rook are not on " + SquareText(SquareOf(4, home)) + " and " +
                   SquareText(SquareOf(corner, home));
        p.castling |= CastlingBit(color, kingside);
    }
    return "";
}

// The square must lie behind a pawn that has just made a double step. It is
// kept only while a pawn of the side to move stands beside that pawn, as the
// writer has it.
std::string ReadEnPassant(std::string_view field, Position& p) {
    if (field == "-") return "";
    const bool square = field.size() == 2 && field[0] >= 'a' && field[0] <= 'h' &&
                        field[1] >= '1' && field[1] <= '8';
    if (!square) return "The en passant field " + Quoted(field) + " must be a square or \"-\"";
    const int x = field[0] - 'a', y = field[1] - '1';
    const EnPassantSquare kind = ClassifyEnPassant(p, x, y);
    if (kind == EnPassantSquare::kFalse)
        return "The en passant square " + std::string(field) +
               " does not lie behind a pawn that has just made a double step";
    if (kind == EnPassantSquare::kUsable) p.enPassant = SquareOf(x, y);
    return "";
}

std::optional<int> Counter(std::string_view field) {
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < 0)
        return std::nullopt;
    return value;
}

std::string ReadCounters(const std::vector<std::string_view>& fields, Position& p) {
    if (fields.size() > 4) {
        const std::optional<int> clock = Counter(fields[4]);
        if (!clock) return "The halfmove clock " + Quoted(fields[4]) + " is not a number";
        p.halfmoveClock = *clock;
    }
    if (fields.size() > 5) {
        const std::optional<int> number = Counter(fields[5]);
        if (!number) return "The move number " + Quoted(fields[5]) + " is not a number";
        // Some writers count from 0.
        p.fullmoveNumber = *number == 0 ? 1 : *number;
    }
    return "";
}

std::string Read(std::string_view text, Position& p) {
    const std::vector<std::string_view> fields = Fields(text);
    if (fields.size() < 4)
        return "A FEN needs at least four fields: placement, side to move, castling and en "
               "passant";
    if (fields.size() > 6) return "A FEN has no more than six fields";
    if (std::string e = ReadPlacement(fields[0], p); !e.empty()) return e;
    if (fields[1] != "w" && fields[1] != "b") return "The side to move must be \"w\" or \"b\"";
    p.side = fields[1] == "w" ? kWhite : kBlack;
    if (std::string e = PositionProblem(p); !e.empty()) return e;
    if (std::string e = ReadCastling(fields[2], p); !e.empty()) return e;
    if (std::string e = ReadEnPassant(fields[3], p); !e.empty()) return e;
    return ReadCounters(fields, p);
}

} // namespace

FenReading ReadFen(std::string_view text) {
    FenReading reading;
    reading.error = Read(text, reading.position);
    if (!reading) reading.position = {};
    return reading;
}

} // namespace notation
