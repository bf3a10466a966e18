#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engines/outside_settings.h"
#include "engines/uci_text.h"
#include "notation/move.h"
#include "notation/position.h"
#include "platform/child_process.h"

// An outside engine as the computer's side: a UCI program run as a child
// process, started on the first question and kept for the next ones. Every
// wait dispatches the caller's messages (platform::PumpMessages), as the
// engine library's search does, so a window stays alive while it thinks.
namespace engines {

class UciOpponent {
public:
    ~UciOpponent() { Close(); }

    struct Reply {
        std::optional<notation::Move> move; // a legal move of the position
        std::string problem;                // why there is none, for the player
    };

    // The engine's move for the side to move of `position` at `level`. A
    // stop word that turns 1 sends "stop", and the move the engine then
    // names is the answer. A program that cannot be started, exits, stays
    // silent past the move time by kAnswerGraceMs or names no legal move
    // gives no move and says why; it is then closed and started afresh on
    // the next question.
    Reply BestMove(const OutsideEngineSettings& settings, const notation::Position& position,
                   int level, const int* stop);

    // An option sent to the program after every start, before the level's.
    void Preset(const std::string& name, const std::string& value);

    // Sends "quit" and ends the program.
    void Close();

    // What the program told about itself ("id name"), and its options.
    const std::string& Name() const { return name_; }
    const std::vector<uci::OptionOffer>& Options() const { return options_; }
    bool Offers(const std::string& option) const;

private:
    enum class Wait { kFound, kSilent, kGone };
    bool Open(const std::string& path, std::string& problem);
    void ApplyLevel(const LevelPlay& play);
    // Reads lines until one starts with `word` (into `found`), the deadline
    // passes or the program goes; a stop word at 1 sends "stop" once and
    // gives the program kAnswerGraceMs more.
    Wait WaitFor(const std::string& word, int timeoutMs, std::vector<std::string>& found,
                 const int* stop = nullptr);
    std::string Fail(const std::string& why);

    platform::ChildProcess child_;
    std::string path_;
    std::string name_;
    std::vector<uci::OptionOffer> options_;
    std::optional<LevelPlay> applied_;
    std::vector<std::pair<std::string, std::string>> presets_;
};

// How a program is named to the player: its "id name", else its file name.
std::string ProgramTitle(const std::string& path, const std::string& idName);

} // namespace engines
