#include "notation/pgn_reader.h"

#include <algorithm>

#include "notation/pgn_lexer.h"

namespace notation {

namespace {

// More than any real game has, so that a flood of tags cannot fill the memory.
constexpr size_t kMaxTags = 64;

} // namespace

std::string PgnGameEntry::Tag(std::string_view name) const {
    for (const PgnTag& tag : tags)
        if (tag.name == name) return tag.value;
    return "";
}

int PgnGameEntry::MoveCount() const {
    if (plyCount == 0) return 0;
    const std::string fen = Tag("FEN");
    const size_t space = fen.find(' ');
    const bool blackBegins = space != std::string::npos && fen.compare(space + 1, 1, "b") == 0;
    return (plyCount + (blackBegins ? 2 : 1)) / 2;
}

std::string PgnGameEntry::Name(int index) const {
    std::string name = "Game " + std::to_string(index + 1);
    const std::string white = Tag("White"), black = Tag("Black");
    if (!white.empty() || !black.empty()) name += " (" + white + " - " + black + ")";
    return name;
}

// A game ends at its result, or where the tags of the next one begin. A
// result with neither tags nor moves before it is no game.
std::vector<PgnGameEntry> ListPgnGames(std::string_view text) {
    std::vector<PgnGameEntry> games;
    PgnLexer lexer(text);
    PgnGameEntry game;
    bool open = false, inMoves = false;
    int depth = 0;
    const auto close = [&](size_t end) {
        if (open && (game.plyCount > 0 || !game.tags.empty())) {
            game.end = end;
            games.push_back(std::move(game));
        }
        game = {};
        open = inMoves = false;
        depth = 0;
    };
    for (PgnToken t = lexer.Next(); t.kind != PgnToken::kEnd; t = lexer.Next()) {
        if (t.kind == PgnToken::kTag && inMoves) close(t.offset);
        if (!open) game.begin = t.offset;
        open = true;
        switch (t.kind) {
        case PgnToken::kTag:
            if (!t.text.empty() && game.tags.size() < kMaxTags)
                game.tags.push_back({std::string(t.text), std::move(t.value)});
            break;
        case PgnToken::kOpenVariation:
            ++depth;
            inMoves = true;
            break;
        case PgnToken::kCloseVariation:
            depth = std::max(depth - 1, 0);
            break;
        case PgnToken::kMove:
            inMoves = true;
            if (depth == 0) ++game.plyCount;
            break;
        case PgnToken::kResult:
            inMoves = true;
            if (depth == 0) close(t.offset + t.text.size());
            break;
        case PgnToken::kEnd:
            break;
        }
    }
    close(text.size());
    return games;
}

} // namespace notation
