#include "engine/search_common.h"

#include "platform/seeded_random.h"

#include <ctime>

namespace engine {

int64_t SearchContext::Second() const {
    return clockSecond ? clockSecond() : static_cast<int64_t>(std::time(nullptr));
}

int32_t MatePrice(const SearchContext& ctx, int32_t side, int32_t remaining) {
    const int32_t value = (remaining + 1) * 100000;
    return (side == ctx.engineColor ? -value : value) / (ctx.depth + 1);
}

int32_t StalematePrice(const SearchContext& ctx, int32_t side, int32_t remaining) {
    const int32_t value = (remaining + 1) * 50000;
    return (side == ctx.engineColor ? value : -value) / (ctx.depth + 1);
}

int32_t ChoiceNumber(int64_t second) {
    // The same sequence as srand/rand, on a private state so that other
    // users of the runtime generator neither disturb nor see it.
    thread_local int64_t cachedSecond = -1;
    thread_local int32_t cachedValue = 0;
    if (second != cachedSecond) {
        cachedValue = platform::SeededRandom(static_cast<uint32_t>(second)).Next();
        cachedSecond = second;
    }
    return cachedValue;
}

void WriteDebugReport(std::FILE* log, std::span<const sEngineMove> sorted) {
    if (!log) return;
    // Text-file line ends of the system: CR LF.
    std::fputs("\r\n\r\n", log);
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const sEngineMove& m = sorted[k];
        std::fprintf(log, "%d) %d from (%c,%d) to (%c,%d) type=%d price=%d\r\n",
                     static_cast<int>(k), m.piece->type, 'A' + m.piece->x, m.piece->y + 1,
                     'A' + m.x, m.y + 1, m.kind, m.price);
    }
    std::fflush(log);
}

} // namespace engine
