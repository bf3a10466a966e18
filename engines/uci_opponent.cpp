#include "engines/uci_opponent.h"

#include <algorithm>
#include <chrono>

#include "notation/move_generator.h"
#include "platform/message_pump.h"

namespace engines {

namespace {

// How long a program may take to say who it is and that it is ready: an
// engine loading its network on a busy machine takes seconds.
constexpr int kHandshakeMs = 10000;
// One slice of waiting between two rounds of the caller's messages.
constexpr int kSliceMs = 5;

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

const LevelPlay& OutsideEngineSettings::Level(int level) const {
    return levels[size_t(std::clamp(level, 0, 2))];
}

std::string ProgramTitle(const std::string& path, const std::string& idName) {
    if (!idName.empty()) return idName;
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool UciOpponent::Offers(const std::string& option) const {
    return std::any_of(options_.begin(), options_.end(),
                       [&](const uci::OptionOffer& o) { return o.name == option; });
}

std::string UciOpponent::Fail(const std::string& why) {
    const std::string problem =
        "The chess engine \"" + ProgramTitle(path_, name_) + "\" " + why + ".";
    child_.Stop();
    path_.clear();
    return problem;
}

UciOpponent::Wait UciOpponent::WaitFor(const std::string& word, int timeoutMs,
                                       std::vector<std::string>& found, const int* stop) {
    int64_t deadline = NowMs() + timeoutMs;
    bool stopSent = false;
    for (;;) {
        std::string line;
        const platform::ChildProcess::Read read = child_.ReadLine(line, kSliceMs);
        if (read == platform::ChildProcess::Read::kClosed) return Wait::kGone;
        if (read == platform::ChildProcess::Read::kLine) {
            std::vector<std::string> words = uci::Words(line);
            if (!words.empty() && words[0] == word) {
                found = std::move(words);
                return Wait::kFound;
            }
            if (std::optional<uci::OptionOffer> offer = uci::ReadOption(words))
                options_.push_back(*offer);
            else if (words.size() > 2 && words[0] == "id" && words[1] == "name")
                name_ = line.substr(line.find("name") + 5);
        }
        // Also between the lines of a program that talks without end.
        platform::PumpMessages();
        if (stop && *stop == 1 && !stopSent) {
            stopSent = true;
            child_.Send("stop");
            deadline = std::min(deadline, NowMs() + kAnswerGraceMs);
        }
        if (NowMs() > deadline) return Wait::kSilent;
    }
}

bool UciOpponent::Open(const std::string& path, std::string& problem) {
    if (child_.Running() && path == path_) return true;
    Close();
    path_ = path;
    if (!child_.Start(path)) {
        problem = Fail("could not be started");
        return false;
    }
    std::vector<std::string> found;
    child_.Send("uci");
    Wait w = WaitFor("uciok", kHandshakeMs, found);
    if (w == Wait::kFound) {
        for (const auto& [name, value] : presets_) child_.Send(uci::SetOptionLine(name, value));
        child_.Send("isready");
        w = WaitFor("readyok", kHandshakeMs, found);
    }
    if (w == Wait::kFound) return true;
    problem = Fail(w == Wait::kGone ? "stopped while starting"
                                    : "does not speak UCI (no answer to \"uci\" and \"isready\")");
    return false;
}

void UciOpponent::ApplyLevel(const LevelPlay& play) {
    if (applied_ && applied_->skillLevel == play.skillLevel && applied_->elo == play.elo) return;
    applied_ = play;
    auto clamped = [&](const std::string& option, int value) {
        for (const uci::OptionOffer& o : options_)
            if (o.name == option && o.max > o.min) return std::clamp(value, o.min, o.max);
        return value;
    };
    if (Offers("Skill Level")) {
        child_.Send(uci::SetOptionLine("Skill Level",
                                       std::to_string(clamped("Skill Level", play.skillLevel))));
    } else if (Offers("UCI_LimitStrength") && Offers("UCI_Elo")) {
        child_.Send(uci::SetOptionLine("UCI_LimitStrength", "true"));
        child_.Send(uci::SetOptionLine("UCI_Elo", std::to_string(clamped("UCI_Elo", play.elo))));
    }
}

UciOpponent::Reply UciOpponent::BestMove(const OutsideEngineSettings& settings,
                                         const notation::Position& position, int level,
                                         const int* stop) {
    Reply reply;
    if (!Open(settings.path, reply.problem)) return reply;
    const LevelPlay& play = settings.Level(level);
    ApplyLevel(play);
    child_.Send(uci::PositionLine(position));
    // A settings file may hold any number; ten minutes is long enough.
    const int moveTimeMs = std::clamp(play.moveTimeMs, 1, 600000);
    child_.Send("go movetime " + std::to_string(moveTimeMs));
    std::vector<std::string> found;
    switch (WaitFor("bestmove", moveTimeMs + kAnswerGraceMs, found, stop)) {
    case Wait::kGone:
        reply.problem = Fail("stopped while thinking");
        return reply;
    case Wait::kSilent:
        reply.problem = Fail("did not answer in time");
        return reply;
    case Wait::kFound:
        break;
    }
    const std::string text = found.size() > 1 ? found[1] : "";
    const std::optional<notation::Move> move = uci::ReadMove(text);
    if (!move || !notation::LegalMoves(position).Contains(*move)) {
        reply.problem = Fail("answered \"" + text + "\", which is not a legal move here");
        return reply;
    }
    reply.move = move;
    return reply;
}

void UciOpponent::Preset(const std::string& name, const std::string& value) {
    presets_.emplace_back(name, value);
    if (child_.Running()) child_.Send(uci::SetOptionLine(name, value));
}

void UciOpponent::Close() {
    if (child_.Running()) child_.Send("quit");
    child_.Stop(500);
    applied_.reset();
    options_.clear();
    name_.clear();
}

} // namespace engines
