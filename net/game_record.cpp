#include "net/game_record.h"

#include <algorithm>
#include <span>

namespace {

constexpr std::string_view kVersion = "1";
constexpr size_t kSquares = 64;
constexpr std::string_view kSquareMarks = ".PNBRQKpnbrqk";

void AppendSquare(std::string& out, int x, int y) {
    out += static_cast<char>('a' + x);
    out += static_cast<char>('1' + y);
}

std::optional<int8_t> Coordinate(char c, char first) {
    if (c < first || c > first + 7) return std::nullopt;
    return static_cast<int8_t>(c - first);
}

std::optional<sPlayedMove> ParseMove(std::string_view word) {
    if (word.size() != 4) return std::nullopt;
    const auto fx = Coordinate(word[0], 'a'), fy = Coordinate(word[1], '1');
    const auto tx = Coordinate(word[2], 'a'), ty = Coordinate(word[3], '1');
    if (!fx || !fy || !tx || !ty) return std::nullopt;
    return sPlayedMove{*fx, *fy, *tx, *ty};
}

// The record's words; an empty word (two spaces, or one at either end) makes
// the text no record of ours.
std::optional<std::vector<std::string_view>> Words(std::string_view text) {
    std::vector<std::string_view> words;
    for (size_t start = 0;;) {
        const size_t end = text.find(' ', start);
        const std::string_view word = text.substr(start, end - start);
        if (word.empty()) return std::nullopt;
        words.push_back(word);
        if (end == std::string_view::npos) return words;
        start = end + 1;
    }
}

bool IsPosition(std::string_view text) {
    return text.size() == kSquares && std::all_of(text.begin(), text.end(), [](char c) {
               return kSquareMarks.find(c) != std::string_view::npos;
           });
}

// `longer` is `shorter` and one move more, made by `mover`.
bool OneMoveAhead(const sGameRecord& longer, const sGameRecord& shorter, int mover) {
    return longer.moves.size() == shorter.moves.size() + 1 &&
           std::equal(shorter.moves.begin(), shorter.moves.end(), longer.moves.begin()) &&
           ColorToMove(shorter.moves.size()) == mover;
}

} // namespace

std::string EncodeGameRecord(const sGameRecord& record) {
    // One move past the limit tells the peer the game is too long to compare.
    const size_t count = std::min(record.moves.size(), kMaxRecordMoves + 1);
    std::string out(kVersion);
    out.reserve(out.size() + 1 + record.position.size() + 5 * count);
    out += ' ';
    out += record.position;
    for (const sPlayedMove& move : std::span(record.moves).first(count)) {
        out += ' ';
        AppendSquare(out, move.fromX, move.fromY);
        AppendSquare(out, move.toX, move.toY);
    }
    return out;
}

std::optional<sGameRecord> DecodeGameRecord(std::string_view text) {
    const auto words = Words(text);
    if (!words || words->size() < 2 || (*words)[0] != kVersion || !IsPosition((*words)[1]) ||
        words->size() - 2 > kMaxRecordMoves)
        return std::nullopt;
    sGameRecord record;
    record.position = (*words)[1];
    for (size_t i = 2; i < words->size(); ++i) {
        const auto move = ParseMove((*words)[i]);
        if (!move) return std::nullopt;
        record.moves.push_back(*move);
    }
    return record;
}

int ColorToMove(size_t moveCount) {
    return static_cast<int>(moveCount % 2);
}

GameMatch CompareGames(const sGameRecord& mine, const sGameRecord& theirs, int myColor) {
    if (mine.moves.size() > kMaxRecordMoves || theirs.moves.size() > kMaxRecordMoves)
        return GameMatch::Differ;
    if (mine == theirs) return GameMatch::Same;
    if (OneMoveAhead(mine, theirs, myColor)) return GameMatch::MineAhead;
    if (OneMoveAhead(theirs, mine, 1 - myColor)) return GameMatch::TheirsAhead;
    return GameMatch::Differ;
}
