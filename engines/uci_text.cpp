#include "engines/uci_text.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/play.h"

namespace uci {

namespace {

using Words_t = std::vector<std::string>;

std::optional<long long> Number(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || p != end) return std::nullopt;
    return value;
}

int ClampedInt(std::optional<long long> v, int fallback) {
    if (!v) return fallback;
    return int(std::clamp<long long>(*v, -1, 1'000'000'000));
}

// The words from `from` up to the first of `stops`, joined by single spaces.
std::string Phrase(const Words_t& words, size_t& i, std::initializer_list<std::string_view> stops) {
    std::string text;
    for (; i < words.size(); ++i) {
        if (std::find(stops.begin(), stops.end(), words[i]) != stops.end()) break;
        if (!text.empty()) text += ' ';
        text += words[i];
    }
    return text;
}

int PromotionType(char letter) {
    switch (letter) {
    case 'n':
        return kKnight;
    case 'b':
        return kBishop;
    case 'r':
        return kRook;
    case 'q':
        return kQueen;
    default:
        return 0;
    }
}

} // namespace

Words_t Words(std::string_view line) {
    Words_t words;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::optional<notation::Move> ReadMove(std::string_view t) {
    if (t.size() != 4 && t.size() != 5) return std::nullopt;
    auto square = [&](size_t i) -> int {
        if (t[i] < 'a' || t[i] > 'h' || t[i + 1] < '1' || t[i + 1] > '8') return -1;
        return notation::SquareOf(t[i] - 'a', t[i + 1] - '1');
    };
    const int from = square(0), to = square(2);
    if (from < 0 || to < 0) return std::nullopt;
    notation::Move move{int8_t(from), int8_t(to), 0};
    if (t.size() == 5 && !(move.promotion = int8_t(PromotionType(t[4])))) return std::nullopt;
    return move;
}

PositionCommand ReadPosition(const Words_t& w) {
    PositionCommand result;
    size_t i = 1;
    if (i < w.size() && w[i] == "startpos") {
        result.position = notation::StartPosition();
        ++i;
    } else if (i < w.size() && w[i] == "fen") {
        ++i;
        const std::string fen = Phrase(w, i, {"moves"});
        notation::FenReading read = notation::ReadFen(fen);
        if (!read) return {{}, "bad fen: " + read.error};
        result.position = read.position;
    } else {
        return {{}, "position needs startpos or fen"};
    }
    if (i < w.size() && w[i] == "moves") ++i;
    for (; i < w.size(); ++i) {
        const std::optional<notation::Move> move = ReadMove(w[i]);
        if (!move || !notation::LegalMoves(result.position).Contains(*move))
            return {{}, "illegal move " + w[i]};
        result.position = notation::Play(result.position, *move);
    }
    return result;
}

GoCommand ReadGo(const Words_t& w) {
    GoCommand go;
    for (size_t i = 1; i < w.size(); ++i) {
        const auto next = [&] { return i + 1 < w.size() ? Number(w[i + 1]) : std::nullopt; };
        if (w[i] == "infinite")
            go.infinite = true;
        else if (w[i] == "depth")
            go.depth = ClampedInt(next(), -1);
        else if (w[i] == "movetime")
            go.moveTimeMs = ClampedInt(next(), -1);
        else if (w[i] == "wtime")
            go.whiteTimeMs = ClampedInt(next(), -1);
        else if (w[i] == "btime")
            go.blackTimeMs = ClampedInt(next(), -1);
    }
    return go;
}

std::optional<OptionSetting> ReadSetOption(const Words_t& w) {
    size_t i = 1;
    if (i >= w.size() || w[i] != "name") return std::nullopt;
    ++i;
    OptionSetting s;
    s.name = Phrase(w, i, {"value"});
    if (s.name.empty()) return std::nullopt;
    if (i < w.size()) ++i;
    s.value = Phrase(w, i, {});
    return s;
}

std::optional<OptionOffer> ReadOption(const Words_t& w) {
    if (w.empty() || w[0] != "option") return std::nullopt;
    OptionOffer o;
    for (size_t i = 1; i < w.size();) {
        const std::string key = w[i++];
        const std::string value = Phrase(w, i, {"name", "type", "default", "min", "max", "var"});
        if (key == "name")
            o.name = value;
        else if (key == "type")
            o.type = value;
        else if (key == "default")
            o.defaultValue = value;
        else if (key == "min")
            o.min = ClampedInt(Number(value), 0);
        else if (key == "max")
            o.max = ClampedInt(Number(value), 0);
    }
    if (o.name.empty()) return std::nullopt;
    return o;
}

std::optional<std::string> ReadBestMove(const Words_t& w) {
    if (w.size() < 2 || w[0] != "bestmove") return std::nullopt;
    return w[1];
}

std::optional<long long> InfoValue(const Words_t& w, std::string_view key) {
    if (w.empty() || w[0] != "info") return std::nullopt;
    const Words_t keys = Words(key);
    for (size_t i = 1; i + keys.size() < w.size(); ++i)
        if (std::equal(keys.begin(), keys.end(), w.begin() + ptrdiff_t(i)))
            return Number(w[i + keys.size()]);
    return std::nullopt;
}

std::string PositionLine(const notation::Position& position) {
    return "position fen " + notation::WriteFen(position);
}

std::string SetOptionLine(const std::string& name, const std::string& value) {
    return "setoption name " + name + " value " + value;
}

} // namespace uci
