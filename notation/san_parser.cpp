#include "notation/san.h"

#include <optional>

#include "notation/move_generator.h"
#include "notation/pieces.h"
#include "notation/play.h"

namespace notation {

namespace {

// What a move text asks for; -1 or 0 where it leaves a part open.
struct Pattern {
    int castling = 0; // 1 kingside, 2 queenside
    int type = 0;     // the moving figure, 0 unnamed
    int fromFile = -1;
    int fromRank = -1;
    int to = kNoSquare;
    int promotion = 0;
};

bool IsFile(char c) {
    return c >= 'a' && c <= 'h';
}
bool IsRank(char c) {
    return c >= '1' && c <= '8';
}

// The text without blanks around it, annotations and check signs after it,
// or an "e.p." that some writers add.
std::string_view Core(std::string_view text) {
    const auto trim = [&](std::string_view cut) {
        while (!text.empty() && cut.find(text.back()) != std::string_view::npos)
            text.remove_suffix(1);
    };
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    trim(" \t\r\n+#!?");
    if (text.ends_with("e.p.")) text.remove_suffix(4);
    trim(" +#");
    return text;
}

std::optional<int> Castling(std::string_view text) {
    std::string shape;
    for (char c : text) shape += c == '0' || c == 'o' ? 'O' : c;
    if (shape == "O-O") return 1;
    if (shape == "O-O-O") return 2;
    return std::nullopt;
}

std::optional<Pattern> Read(std::string_view text) {
    Pattern pattern;
    if (const std::optional<int> side = Castling(text)) {
        pattern.castling = *side;
        return pattern;
    }
    std::string t;
    for (char c : text)
        if (c != 'x' && c != ':' && c != '-' && c != '=') t += c;
    size_t i = 0;
    if (!t.empty() && t[0] >= 'A' && t[0] <= 'Z') {
        const std::optional<int> type = TypeOfLetter(t[0]);
        if (!type) return std::nullopt;
        pattern.type = *type;
        i = 1;
    }
    std::string_view rest = std::string_view(t).substr(i);
    if (rest.size() >= 3 && IsRank(rest[rest.size() - 2])) {
        const std::optional<int> promotion = TypeOfLetter(rest.back());
        if (promotion) {
            if (*promotion < kKnight || *promotion > kQueen) return std::nullopt;
            pattern.promotion = *promotion;
            rest.remove_suffix(1);
        }
    }
    if (rest.size() < 2 || rest.size() > 4) return std::nullopt;
    const char file = rest[rest.size() - 2], rank = rest.back();
    if (!IsFile(file) || !IsRank(rank)) return std::nullopt;
    pattern.to = SquareOf(file - 'a', rank - '1');
    rest.remove_suffix(2);
    if (!rest.empty() && IsFile(rest.front())) {
        pattern.fromFile = rest.front() - 'a';
        rest.remove_prefix(1);
    }
    if (!rest.empty() && IsRank(rest.front())) {
        pattern.fromRank = rest.front() - '1';
        rest.remove_prefix(1);
    }
    if (!rest.empty()) return std::nullopt;
    return pattern;
}

bool Fits(const Position& p, Move m, const Pattern& pattern) {
    if (pattern.castling)
        return IsCastling(p, m) && IsKingsideCastling(m) == (pattern.castling == 1);
    if (m.to != pattern.to || m.promotion != pattern.promotion) return false;
    if (pattern.fromFile >= 0 && FileOf(m.from) != pattern.fromFile) return false;
    if (pattern.fromRank >= 0 && RankOf(m.from) != pattern.fromRank) return false;
    const int type = TypeOf(p.At(m.from));
    if (pattern.type) return type == pattern.type;
    // Without a letter a move is a pawn's, unless it names its whole square.
    return type == kPawn || (pattern.fromFile >= 0 && pattern.fromRank >= 0);
}

} // namespace

SanReading ParseSan(const Position& p, std::string_view text, const MoveList& legal) {
    const std::optional<Pattern> pattern = Read(Core(text));
    if (!pattern) return {{}, SanError::kUnreadable};
    SanReading reading{{}, SanError::kNotPossible};
    for (const Move m : legal) {
        if (!Fits(p, m, *pattern)) continue;
        if (reading) return {{}, SanError::kAmbiguous};
        reading = {m, SanError::kNone};
    }
    return reading;
}

SanReading ParseSan(const Position& p, std::string_view text) {
    return ParseSan(p, text, LegalMoves(p));
}

} // namespace notation
