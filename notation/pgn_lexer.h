#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Splits PGN text into what a reader needs: tag pairs, moves, the two ends
// of a variation and game results. Comments ("{...}" and ";" to the end of
// the line), escape lines ("%" at the start of a line), NAGs ("$1"), move
// numbers and stand-alone annotations ("!?") are passed over.
namespace notation {

struct PgnToken {
    enum Kind { kEnd, kTag, kMove, kResult, kOpenVariation, kCloseVariation };
    Kind kind = kEnd;
    std::string_view text; // the tag's name, the move or the result
    std::string value;     // the tag's value, escapes undone
    size_t offset = 0;     // where the token begins in the text
};

class PgnLexer {
public:
    explicit PgnLexer(std::string_view text) : text_(text) {}
    PgnToken Next();

private:
    bool SkipFiller();
    void SkipPast(char end);
    PgnToken Tag();
    std::string_view Symbol();

    std::string_view text_;
    size_t pos_ = 0;
};

} // namespace notation
