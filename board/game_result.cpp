#include "board/game_result.h"

#include <algorithm>
#include <iterator>

namespace {

struct sReasonEntry {
    EndReason reason;
    const char* word;      // as the game file keeps it
    const char* whiteWins; // why White won ("" when it cannot)
    const char* blackWins;
    const char* draw; // why it is drawn ("" when it cannot be)
};

constexpr sReasonEntry kReasons[] = {
    {EndReason::Mate, "checkmate", "Black is mated", "White is mated", ""},
    {EndReason::Stalemate, "stalemate", "", "", "stalemate"},
    {EndReason::Repetition, "threefold repetition", "", "", "threefold repetition"},
    {EndReason::FiftyMoves, "fifty-move rule", "", "", "fifty-move rule"},
    {EndReason::InsufficientMaterial, "insufficient material", "", "", "neither side can mate"},
    {EndReason::Resignation, "resignation", "Black resigned", "White resigned", ""},
    {EndReason::Agreement, "agreement", "", "", "agreed"},
    {EndReason::Time, "time forfeit", "Black's time is up", "White's time is up", ""},
    {EndReason::TimeWithoutMatingMaterial, "time forfeit, no mating material", "", "",
     "time is up, but the other side cannot mate"},
};

constexpr const char* kTags[] = {"*", "1-0", "0-1", "1/2-1/2"};

const sReasonEntry* EntryOf(EndReason reason) {
    const auto it = std::find_if(std::begin(kReasons), std::end(kReasons),
                                 [reason](const sReasonEntry& e) { return e.reason == reason; });
    return it == std::end(kReasons) ? nullptr : &*it;
}

const char* WhyText(const sReasonEntry& e, GameOutcome outcome) {
    switch (outcome) {
    case GameOutcome::WhiteWins:
        return e.whiteWins;
    case GameOutcome::BlackWins:
        return e.blackWins;
    case GameOutcome::Draw:
        return e.draw;
    default:
        return "";
    }
}

} // namespace

sGameResult sGameResult::WonBy(int32_t winner, EndReason reason) {
    return {winner == 0 ? GameOutcome::WhiteWins : GameOutcome::BlackWins, reason};
}

sGameResult sGameResult::DrawnBy(EndReason reason) {
    return {GameOutcome::Draw, reason};
}

const char* ResultTag(GameOutcome outcome) {
    const auto i = static_cast<size_t>(outcome);
    return i < std::size(kTags) ? kTags[i] : kTags[0];
}

const char* ReasonWord(EndReason reason) {
    const sReasonEntry* e = EntryOf(reason);
    return e ? e->word : "";
}

EndReason ReasonFromWord(const std::string& word) {
    for (const sReasonEntry& e : kReasons)
        if (word == e.word) return e.reason;
    return EndReason::None;
}

std::string ResultText(const sGameResult& result) {
    static constexpr const char* kWho[] = {"", "White wins", "Black wins", "Draw"};
    if (!result.IsOver()) return {};
    std::string text = kWho[static_cast<size_t>(result.outcome)];
    const sReasonEntry* e = EntryOf(result.reason);
    if (e && *WhyText(*e, result.outcome)) text += std::string(": ") + WhyText(*e, result.outcome);
    return text + " (" + ResultTag(result.outcome) + ")";
}

sGameResult ResultFromWords(const std::string& tag, const std::string& reasonWord) {
    for (size_t i = 1; i < std::size(kTags); ++i) {
        if (tag != kTags[i]) continue;
        const sGameResult result{static_cast<GameOutcome>(i), ReasonFromWord(reasonWord)};
        const sReasonEntry* e = EntryOf(result.reason);
        // A reason that cannot give this outcome is not kept.
        if (e && !*WhyText(*e, result.outcome)) return {};
        return result;
    }
    return {};
}
