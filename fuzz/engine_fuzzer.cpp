// The engine's entry points on arbitrary positions: GetCurrentState for both
// colours and a level-0 GetComputerMove. Each position holds a king of each
// colour; the other figures may have unknown types or colours and stand
// anywhere, on the board or off it. The rights block is taken as it comes,
// as a peer may send any. Writes "!debug.$$$" into the current directory.
#include "engine/computer_move.h"
#include "engine/engine_api.h"
#include "fuzz/fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

extern "C" int GetComputerMove(sFigureList* figures, int opponentColor, int level,
                               sRuleState* rules, CFigure** captured, CFigure** moved, int* targetX,
                               int* targetY, int* stop);
extern "C" void GetCurrentState(sFigureList* figures, int color, sRuleState* rules, int* status);

namespace {

constexpr int kMaxFigures = 40;

CFigure ReadFigure(FuzzedDataProvider& in) {
    CFigure f{};
    f.type = in.ConsumeIntegralInRange<int32_t>(-1, 8);
    f.color = in.ConsumeIntegralInRange<int32_t>(-1, 2);
    // Mostly squares of the board, sometimes anywhere at all.
    const bool anywhere = in.ConsumeIntegralInRange<int>(0, 7) == 0;
    f.x = anywhere ? in.ConsumeIntegral<int8_t>() : in.ConsumeIntegralInRange<int32_t>(0, 7);
    f.y = anywhere ? in.ConsumeIntegral<int8_t>() : in.ConsumeIntegralInRange<int32_t>(0, 7);
    return f;
}

bool InList(const std::vector<CFigure*>& list, const CFigure* f) {
    return std::find(list.begin(), list.end(), f) != list.end();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceMessageBoxes();
    engine::SetSearchClock([] { return int64_t(0); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int opponentColor = in.ConsumeIntegralInRange<int>(0, 1);
    sRuleState rules{};
    for (int32_t& word : rules.word)
        word = in.ConsumeBool() ? in.ConsumeIntegral<int32_t>()
                                : in.ConsumeIntegralInRange<int32_t>(-2, 9);

    std::vector<CFigure> figures;
    figures.push_back({kKing, 0, in.ConsumeIntegralInRange<int32_t>(0, 7),
                       in.ConsumeIntegralInRange<int32_t>(0, 7), 0});
    figures.push_back({kKing, 1, in.ConsumeIntegralInRange<int32_t>(0, 7),
                       in.ConsumeIntegralInRange<int32_t>(0, 7), 0});
    const int extra = in.ConsumeIntegralInRange<int>(0, kMaxFigures - 2);
    for (int i = 0; i < extra && in.remaining_bytes() > 0; ++i) figures.push_back(ReadFigure(in));
    // The kings need not come first.
    const size_t kingsAt = in.ConsumeIntegralInRange<size_t>(0, figures.size() - 1);
    std::rotate(figures.begin(), figures.begin() + kingsAt, figures.end());

    std::vector<CFigure*> pointers;
    for (CFigure& f : figures) pointers.push_back(&f);
    sFigureList list{static_cast<int32_t>(pointers.size()), 0, pointers.data()};

    for (int color = 0; color < 2; ++color) {
        int status = -1;
        GetCurrentState(&list, color, &rules, &status);
        if (status < kStatusNormal || status > kStatusStalemate)
            fuzz::Fail("GetCurrentState gave no status");
    }

    CFigure* captured = nullptr;
    CFigure* moved = nullptr;
    int targetX = -1, targetY = -1, stop = 0;
    GetComputerMove(&list, opponentColor, 0, &rules, &captured, &moved, &targetX, &targetY, &stop);
    if (moved && !InList(pointers, moved)) fuzz::Fail("the moved figure is not in the list");
    if (captured && !InList(pointers, captured))
        fuzz::Fail("the captured figure is not in the list");
    if (captured && !moved) fuzz::Fail("a capture without a moved figure");
    return 0;
}
