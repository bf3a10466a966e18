#include "uci/uci_server.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "engines/uci_text.h"
#include "platform/message_pump.h"

namespace {

constexpr int kLevels = 3;
constexpr int kFirstDepth = 3; // level 0 searches 3 plies

} // namespace

UciServer::UciServer(LineQueue& input, Searcher& searcher, Writer write)
    : input_(input), searcher_(searcher), write_(std::move(write)) {
    platform::SetMessagePump([this] { return DispatchDuringSearch(); });
}

UciServer::~UciServer() {
    platform::SetMessagePump({});
}

void UciServer::Run() {
    while (!quit_) {
        std::optional<std::string> line;
        if (!deferred_.empty()) {
            line = deferred_.front();
            deferred_.erase(deferred_.begin());
        } else {
            line = input_.Pop();
        }
        if (!line || !Handle(*line)) break;
    }
}

void UciServer::Tell(const std::string& why) {
    write_("info string " + why);
}

bool UciServer::HandleAtOnce(const std::string& line) {
    const std::vector<std::string> words = uci::Words(line);
    const std::string command = words.empty() ? "" : words[0];
    if (command == "stop") {
        stop_ = 1;
    } else if (command == "quit") {
        stop_ = 1;
        quit_ = true;
    } else if (command == "isready") {
        write_("readyok");
    } else {
        return false;
    }
    return true;
}

bool UciServer::DispatchDuringSearch() {
    bool took = false;
    while (std::optional<std::string> line = input_.TryPop()) {
        took = true;
        // Lines keep their order: once one waits, the ones after it wait too.
        if (!deferred_.empty() || !HandleAtOnce(*line)) deferred_.push_back(*line);
    }
    // Until the search has seen a stop, every round counts as a dispatched
    // message, so the search is told again and again until it listens.
    if (stop_ == 1 && !took) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
    }
    return took;
}

void UciServer::AwaitStop() {
    while (stop_ != 1) {
        std::optional<std::string> line = input_.Pop();
        if (!line) {
            quit_ = true;
            return;
        }
        if (!deferred_.empty() || !HandleAtOnce(*line)) deferred_.push_back(*line);
    }
}

bool UciServer::Handle(const std::string& line) {
    const std::vector<std::string> words = uci::Words(line);
    if (words.empty()) return true;
    const std::string& command = words[0];
    if (command == "uci") {
        write_("id name Tavlion");
        write_("id author the Tavlion developers");
        write_("option name Level type spin default 2 min 0 max 2");
        write_("uciok");
    } else if (command == "ucinewgame") {
        position_ = notation::StartPosition();
    } else if (command == "setoption") {
        SetOption(words);
    } else if (command == "position") {
        if (uci::PositionCommand read = uci::ReadPosition(words))
            position_ = read.position;
        else
            Tell("position ignored: " + read.error);
    } else if (command == "go") {
        Go(words);
    } else if (command == "stop") {
        // No search runs: nothing to stop.
    } else if (!HandleAtOnce(line)) {
        Tell("unknown command: " + line.substr(0, 200));
    }
    return !quit_;
}

void UciServer::SetOption(const std::vector<std::string>& words) {
    const std::optional<uci::OptionSetting> set = uci::ReadSetOption(words);
    if (!set || set->name != "Level") {
        Tell("unknown option" + (set ? ": " + set->name : std::string()));
        return;
    }
    int level = -1;
    if (set->value.size() == 1 && set->value[0] >= '0' && set->value[0] < '0' + kLevels)
        level = set->value[0] - '0';
    if (level < 0)
        Tell("Level takes 0, 1 or 2, not \"" + set->value.substr(0, 40) + "\"");
    else
        level_ = level;
}

void UciServer::Go(const std::vector<std::string>& words) {
    const uci::GoCommand go = uci::ReadGo(words);
    int level = level_;
    if (go.depth >= 0) level = std::clamp(go.depth - kFirstDepth, 0, kLevels - 1);
    stop_ = 0;
    const auto start = std::chrono::steady_clock::now();
    const SearchResult result = searcher_.Search(position_, level, &stop_);
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    write_("info depth " + std::to_string(result.depth) + " nodes " + std::to_string(result.nodes) +
           " time " + std::to_string(ms) + " score cp " + std::to_string(result.scoreCp));
    // An infinite search answers only when told to stop.
    if (go.infinite && !quit_) AwaitStop();
    write_("bestmove " + (result.move ? notation::ToUci(*result.move) : std::string("0000")));
    stop_ = 0;
}
