#pragma once

#include "board/rules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CBoard;

// The text side of the test hook's line protocol, free of sockets.

// A request line: the command word and the words after it; `rest` keeps the
// text after the command word as typed (for chat text and nicknames).
struct sHookRequest {
    std::string name;
    std::vector<std::string> args;
    std::string rest;
};
sHookRequest ParseHookRequest(std::string_view line);

// "e2" or "E2" as a square; nothing for anything else.
std::optional<sSquare> ParseSquareName(std::string_view name);

// The position as the rank lines of a FEN, rank 8 first: PNBRQK for White,
// pnbrqk for Black, digits for runs of empty squares.
std::string BoardText(const CBoard& board);

// A reply of several lines: "ok <count>" and then the lines, each kept on
// one line by writing line breaks as "\n" and backslashes as "\\".
std::string CountedBlock(const std::vector<std::string>& lines);
std::string OneLine(std::string_view text);
