#include "app/shell/hook_protocol.h"

#include "board/board.h"

#include <cctype>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TakeWord(std::string_view& text) {
    text = TrimLeft(text);
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// Figure types 1..6 (pawn to king) as FEN letters.
constexpr char kLetters[] = " pnbrqk";

} // namespace

sHookRequest ParseHookRequest(std::string_view line) {
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    sHookRequest request;
    request.name = std::string(TakeWord(line));
    request.rest = std::string(TrimLeft(line));
    for (std::string_view word = TakeWord(line); !word.empty(); word = TakeWord(line))
        request.args.emplace_back(word);
    return request;
}

std::optional<sSquare> ParseSquareName(std::string_view name) {
    if (name.size() != 2) return std::nullopt;
    const int file = std::tolower(static_cast<unsigned char>(name[0])) - 'a';
    const int rank = name[1] - '1';
    if (file < 0 || file > 7 || rank < 0 || rank > 7) return std::nullopt;
    return sSquare{file, rank};
}

std::string BoardText(const CBoard& board) {
    std::string text;
    for (int y = 7; y >= 0; --y) {
        int empty = 0;
        for (int x = 0; x < 8; ++x) {
            const CFigure* figure = board.FigureAt(x, y);
            if (!figure || figure->type < 1 || figure->type > 6) {
                ++empty;
                continue;
            }
            if (empty) text += char('0' + empty);
            empty = 0;
            const char letter = kLetters[figure->type];
            text += figure->color == kWhite ? char(std::toupper(letter)) : letter;
        }
        if (empty) text += char('0' + empty);
        if (y) text += '/';
    }
    return text;
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (c == '\\')
            line += "\\\\";
        else if (c == '\n')
            line += "\\n";
        else if (c != '\r')
            line += c;
    }
    return line;
}

std::string CountedBlock(const std::vector<std::string>& lines) {
    std::string reply = "ok " + std::to_string(lines.size());
    for (const std::string& line : lines) reply += '\n' + OneLine(line);
    return reply;
}
