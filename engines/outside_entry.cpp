#include "engines/outside_entry.h"

#include "engines/engine_answer.h"
#include "engines/figure_set.h"
#include "notation/move_generator.h"
#include "platform/message_box.h"

namespace engines {

namespace {

// The move flow runs one search at a time on one thread, as the library's
// own process-wide values assume.
struct Binding {
    UciOpponent* opponent = nullptr;
    const OutsideEngineSettings* settings = nullptr;
    GetComputerMoveFn builtIn = nullptr;
} binding;

} // namespace

void BindOutsideEngine(UciOpponent* opponent, const OutsideEngineSettings* settings,
                       GetComputerMoveFn builtIn) {
    binding = {opponent, settings, builtIn};
}

int OutsideComputerMove(sFigureList* figures, int opponentColor, int level, sRuleState* rules,
                        CFigure** captured, CFigure** moved, int* targetX, int* targetY,
                        int* stop) {
    if (figures && rules && binding.opponent && binding.settings) {
        const notation::Position position =
            PositionOf(*figures, *rules, opponentColor == 0 ? 1 : 0);
        // Without a move there is nothing to ask; the library answers that case.
        if (notation::HasLegalMove(position)) {
            const UciOpponent::Reply reply =
                binding.opponent->BestMove(*binding.settings, position, level, stop);
            if (reply.move) {
                WriteAnswer(position, *reply.move, *figures, *rules, captured, moved, targetX,
                            targetY);
                return 0;
            }
            platform::ShowMessageBox(reply.problem + " The built-in engine makes this move.");
        }
    }
    if (!binding.builtIn) {
        if (moved) *moved = nullptr;
        if (captured) *captured = nullptr;
        return 0;
    }
    return binding.builtIn(figures, opponentColor, level, rules, captured, moved, targetX, targetY,
                           stop);
}

} // namespace engines
