#include "notation/pgn_writer.h"

#include <cstdio>
#include <sstream>

#include "notation/attacks.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/move_numbers.h"

namespace notation {

namespace {

inline constexpr size_t kMaxLine = 79;
inline constexpr const char* kLevelNames[3] = {"Easy", "Medium", "Difficult"};

// A tag value is one line in quotes.
std::string Escaped(const std::string& value) {
    std::string text;
    for (char c : value) {
        if (c == '\\' || c == '"') text += '\\';
        text += c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
    }
    return text;
}

void AddTag(std::string& out, const char* name, const std::string& value) {
    out += std::string("[") + name + " \"" + Escaped(value) + "\"]\n";
}

// A comment may not hold its own closing brace.
std::vector<std::string> CommentWords(const std::string& comment) {
    std::vector<std::string> words;
    std::istringstream in(comment);
    for (std::string word; in >> word;) {
        for (char& c : word)
            if (c == '}') c = ')';
        words.push_back(std::move(word));
    }
    if (words.empty()) return words;
    words.front().insert(0, "{");
    words.back() += "}";
    return words;
}

std::string Wrapped(const std::vector<std::string>& words) {
    std::string text, line;
    for (const std::string& word : words) {
        if (!line.empty() && line.size() + 1 + word.size() > kMaxLine) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return text + line + "\n";
}

} // namespace

std::string WritePgn(const PgnExport& game) {
    const PgnHeader& h = game.header;
    std::string out;
    AddTag(out, "Event", h.event);
    AddTag(out, "Site", h.site);
    AddTag(out, "Date", h.date);
    AddTag(out, "Round", h.round);
    AddTag(out, "White", h.white);
    AddTag(out, "Black", h.black);
    AddTag(out, "Result", h.result);
    if (game.start != StartPosition()) {
        AddTag(out, "SetUp", "1");
        AddTag(out, "FEN", WriteFen(game.start));
    }
    out += "\n";
    std::vector<std::string> words = CommentWords(game.comment);
    for (std::string& move :
         NumberedMoves(game.san, game.start.fullmoveNumber, game.start.side, NumberStyle::kPgn))
        words.push_back(std::move(move));
    words.push_back(h.result);
    return out + Wrapped(words) + "\n";
}

std::string PgnDate(int year, int month, int day) {
    const auto part = [](int value, int low, int high, int width) {
        if (value < low || value > high) return std::string(size_t(width), '?');
        char text[8];
        std::snprintf(text, sizeof text, "%0*d", width, value);
        return std::string(text);
    };
    return part(year, 1, 9999, 4) + "." + part(month, 1, 12, 2) + "." + part(day, 1, 31, 2);
}

std::string ComputerPlayerName(int level) {
    const int clamped = level < 0 ? 0 : level > 2 ? 2 : level;
    return std::string("Tavlion (") + kLevelNames[clamped] + ")";
}

std::string ResultOf(const Position& final) {
    if (HasLegalMove(final)) return "*";
    if (!InCheck(final, final.side)) return "1/2-1/2";
    return final.side == kWhite ? "0-1" : "1-0";
}

} // namespace notation
