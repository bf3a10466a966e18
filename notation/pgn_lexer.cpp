#include "notation/pgn_lexer.h"

#include <algorithm>
#include <cctype>

namespace notation {

namespace {

bool IsSymbolChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) ||
           std::string_view("_+#=:-/!?").find(c) != std::string_view::npos;
}

bool StartsToken(char c) {
    return IsSymbolChar(c) || std::string_view("[()*").find(c) != std::string_view::npos;
}

bool IsDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsResult(std::string_view s) {
    return s == "1-0" || s == "0-1" || s == "1/2-1/2";
}

} // namespace

void PgnLexer::SkipPast(char end) {
    const size_t found = text_.find(end, pos_);
    pos_ = found == std::string_view::npos ? text_.size() : found + 1;
}

// Passes over one piece of filler; false when the next character starts a
// token.
bool PgnLexer::SkipFiller() {
    const char c = text_[pos_];
    const bool lineStart = pos_ == 0 || text_[pos_ - 1] == '\n' || text_[pos_ - 1] == '\r';
    if (c == '{') {
        SkipPast('}');
    } else if (c == ';' || (c == '%' && lineStart)) {
        SkipPast('\n');
    } else if (c == '<') {
        SkipPast('>');
    } else if (c == '$' || c == '!' || c == '?' || !StartsToken(c)) {
        // A NAG's digits, like a move number, read as a symbol and are dropped.
        ++pos_;
    } else {
        return false;
    }
    return true;
}

std::string_view PgnLexer::Symbol() {
    const size_t start = pos_;
    while (pos_ < text_.size() && IsSymbolChar(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

// [Name "value"]; a tag broken off at the end of its line ends there.
PgnToken PgnLexer::Tag() {
    PgnToken token{PgnToken::kTag, {}, {}, pos_};
    ++pos_;
    const auto skipBlanks = [&] {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    };
    skipBlanks();
    token.text = Symbol();
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '"') {
        for (++pos_; pos_ < text_.size() && text_[pos_] != '"'; ++pos_) {
            char c = text_[pos_];
            if (c == '\n' || c == '\r') break;
            if (c == '\\' && pos_ + 1 < text_.size() &&
                (text_[pos_ + 1] == '"' || text_[pos_ + 1] == '\\'))
                c = text_[++pos_];
            token.value += c;
        }
    }
    while (pos_ < text_.size() && text_[pos_] != ']' && text_[pos_] != '\n') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == ']') ++pos_;
    return token;
}

PgnToken PgnLexer::Next() {
    while (pos_ < text_.size()) {
        if (SkipFiller()) continue;
        const char c = text_[pos_];
        if (c == '[') return Tag();
        const size_t start = pos_;
        if (c == '(' || c == ')' || c == '*') {
            ++pos_;
            const PgnToken::Kind kind = c == '('   ? PgnToken::kOpenVariation
                                        : c == ')' ? PgnToken::kCloseVariation
                                                   : PgnToken::kResult;
            return {kind, text_.substr(start, 1), {}, start};
        }
        const std::string_view symbol = Symbol();
        if (IsDigits(symbol)) continue;
        return {IsResult(symbol) ? PgnToken::kResult : PgnToken::kMove, symbol, {}, start};
    }
    return {PgnToken::kEnd, {}, {}, text_.size()};
}

} // namespace notation
