// The game a peer sends to take up a lost connection, two at a time: this
// side's and the peer's, one line each. A record read is exactly the text
// our writer makes of it, and both sides, comparing the other way round,
// come to the mirrored answer.
#include "fuzz/fuzz_support.h"
#include "net/game_record.h"

#include <string_view>

namespace {

GameMatch Mirrored(GameMatch match) {
    switch (match) {
    case GameMatch::MineAhead:
        return GameMatch::TheirsAhead;
    case GameMatch::TheirsAhead:
        return GameMatch::MineAhead;
    default:
        return match;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    const std::string_view texts[] = {input.substr(0, split), split == std::string_view::npos
                                                                  ? std::string_view()
                                                                  : input.substr(split + 1)};
    std::optional<sGameRecord> records[2];
    for (int i = 0; i < 2; ++i) {
        records[i] = DecodeGameRecord(texts[i]);
        if (records[i] && EncodeGameRecord(*records[i]) != texts[i])
            fuzz::Fail("a record does not survive its own text");
    }
    if (!records[0] || !records[1]) return 0;
    for (int color : {0, 1}) {
        if (CompareGames(*records[0], *records[0], color) != GameMatch::Same)
            fuzz::Fail("a game differs from itself");
        if (CompareGames(*records[1], *records[0], 1 - color) !=
            Mirrored(CompareGames(*records[0], *records[1], color)))
            fuzz::Fail("the two sides come to different answers");
    }
    return 0;
}
