#pragma once

#include <cstdint>
#include <string>

// How a game ended: who won and why. The status bar, the move list, the game
// file and the PGN export all read it from here.
enum class GameOutcome : int32_t { Unfinished = 0, WhiteWins = 1, BlackWins = 2, Draw = 3 };

enum class EndReason : int32_t {
    None = 0,
    Mate,
    Stalemate,
    Repetition,           // claimed
    FiftyMoves,           // claimed
    InsufficientMaterial, // claimed
    Resignation,
    Agreement,
    Time,
    TimeWithoutMatingMaterial, // the flag fell, but the other side cannot mate
};

struct sGameResult {
    GameOutcome outcome = GameOutcome::Unfinished;
    EndReason reason = EndReason::None;

    bool IsOver() const { return outcome != GameOutcome::Unfinished; }
    bool operator==(const sGameResult&) const = default;

    static sGameResult WonBy(int32_t winner, EndReason reason);
    static sGameResult DrawnBy(EndReason reason);
};

// "1-0", "0-1", "1/2-1/2", or "*" for a game still going.
const char* ResultTag(GameOutcome outcome);
// The reason as the game file keeps it ("threefold repetition", ...), empty
// for none; and back (None for a word it does not know).
const char* ReasonWord(EndReason reason);
EndReason ReasonFromWord(const std::string& word);
// A line for the status bar and the PGN comment: "White wins: Black resigned".
std::string ResultText(const sGameResult& result);
// The result a game file holds under its two keys; Unfinished when the tag
// is not one of the four or contradicts the reason.
sGameResult ResultFromWords(const std::string& tag, const std::string& reasonWord);
