#pragma once

#include "engine/engine_api.h"
#include "engines/outside_settings.h"
#include "engines/uci_opponent.h"

// An outside engine behind the engine library's entry point: the move flow
// calls OutsideComputerMove exactly as it calls GetComputerMove, so both
// engines take one path through it.
namespace engines {

// What OutsideComputerMove asks: the program and its settings, and the
// built-in entry that moves instead when the program fails. The three stay
// the caller's and must outlive their use; nulls unbind.
void BindOutsideEngine(UciOpponent* opponent, const OutsideEngineSettings* settings,
                       GetComputerMoveFn builtIn);

// GetComputerMove's arguments and outputs, answered by the bound program.
// When it fails, the player is told why (platform::ShowMessageBox) and the
// built-in entry makes the move with the same arguments.
int OutsideComputerMove(sFigureList* figures, int opponentColor, int level, sRuleState* rules,
                        CFigure** captured, CFigure** moved, int* targetX, int* targetY, int* stop);

} // namespace engines
