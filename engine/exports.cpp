#include "engine/computer_move.h"
#include "engine/engine_api.h"
#include "engine/game_status.h"

#define ENGINE_EXPORT extern "C" __attribute__((visibility("default")))

ENGINE_EXPORT int GetComputerMove(sFigureList* figures, int opponentColor, int level,
                                  sRuleState* rules, CFigure** captured, CFigure** moved,
                                  int* targetX, int* targetY, int* stop) {
    return engine::ComputeMove(figures, opponentColor, level, rules, captured, moved, targetX,
                               targetY, stop);
}

ENGINE_EXPORT void GetCurrentState(sFigureList* figures, int color, sRuleState* rules,
                                   int* status) {
    const sFigureList noFigures{};
    const sRuleState noRights{};
    const int result =
        engine::GameStatusOf(color, figures ? *figures : noFigures, rules ? *rules : noRights);
    if (status) *status = result;
}
