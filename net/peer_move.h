#pragma once

#include "net/packet.h"

class CBoard;

// A move from the peer names two squares of the board, a figure of the
// peer's own colour on the first, and, when it promotes, a piece a pawn may
// become. Anything else is not a move of the game being played.
bool IsPlausiblePeerMove(const CBoard& board, int peerColor, const CPkg& move);
