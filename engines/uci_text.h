#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notation/move.h"
#include "notation/position.h"

// The lines of the Universal Chess Interface, both ways: what a chess
// program sends an engine and what the engine answers.
namespace uci {

std::vector<std::string> Words(std::string_view line);

// "e2e4", "e7e8q": four square letters and digits and an optional lower-case
// promotion letter; anything else (UCI's null move "0000" included) is none.
std::optional<notation::Move> ReadMove(std::string_view text);

// --- from the program to the engine ---

// "position startpos|fen <six fields> [moves m1 m2 ...]". The position
// after the moves, or why the line was refused.
struct PositionCommand {
    notation::Position position;
    std::string error;
    explicit operator bool() const { return error.empty(); }
};
PositionCommand ReadPosition(const std::vector<std::string>& words);

// "go ..." with the limits this engine understands; -1 where a limit is absent.
struct GoCommand {
    int depth = -1;
    int moveTimeMs = -1;
    int whiteTimeMs = -1, blackTimeMs = -1;
    bool infinite = false;
};
GoCommand ReadGo(const std::vector<std::string>& words);

// "setoption name <name words> [value <value words>]".
struct OptionSetting {
    std::string name, value;
};
std::optional<OptionSetting> ReadSetOption(const std::vector<std::string>& words);

// --- from the engine to the program ---

// "option name <name> type <type> [default <d>] [min <m>] [max <n>] [var ...]".
struct OptionOffer {
    std::string name, type, defaultValue;
    int min = 0, max = 0;
};
std::optional<OptionOffer> ReadOption(const std::vector<std::string>& words);

// "bestmove <move> [ponder <move>]": the move's text.
std::optional<std::string> ReadBestMove(const std::vector<std::string>& words);

// The value after `key` in "info ..." (depth, nodes, time, "score cp").
std::optional<long long> InfoValue(const std::vector<std::string>& words, std::string_view key);

// --- lines to write ---

std::string PositionLine(const notation::Position& position);
std::string SetOptionLine(const std::string& name, const std::string& value);

} // namespace uci
