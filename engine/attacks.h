#pragma once

#include "engine/engine_api.h"

#include <cstdint>

namespace engine {

// Words indexed y * 8 + x.
using AttackMap = int32_t[64];    // 1 where the colour attacks
using AttackerMap = uint32_t[64]; // bit (i mod 32) where the figure at list index i attacks

// The squares one figure attacks, as a bit set over y * 8 + x. Pawns attack
// both forward diagonals, occupied or not, and never the squares ahead.
uint64_t GenerateAttacks(const CFigure& piece, const sFigureList& list,
                         const CFigure* lifted = nullptr);

// The maps of `color` with `king` lifted off the board, so that a line
// through the king's square reaches the squares behind it. The king's record
// is never written.
void BuildAttackMap(AttackMap map, const CFigure* king, const sFigureList& list, int32_t color);
void BuildAttackerMap(AttackerMap map, const CFigure* king, const sFigureList& list, int32_t color);

// ORs in the attacks of the figures of `color` whose index bits are in `mask`.
void AddAttackers(AttackerMap map, const CFigure* king, const sFigureList& list, int32_t color,
                  uint32_t mask);

} // namespace engine
