#pragma once

#include "net/game_record.h"

class CBoard;
class CMoveTable;

// The game on `board` as it travels to take up a lost connection: its
// position and the moves of its move list.
sGameRecord PlayedGame(const CBoard& board, const CMoveTable& moves);
