#pragma once

#include "engine/engine_api.h"
#include "engine/engine_move.h"

#include <random>
#include <string>
#include <vector>

namespace engine_test {

// A position that owns its figure records, shaped as the program hands it
// to the engine. Copies rebind the pointers to their own records.
struct Position {
    std::vector<CFigure> records;
    std::vector<CFigure*> pointers;
    sFigureList list{};
    sRuleState rules{};

    Position() { records.reserve(64); }
    Position(const Position& other);
    Position& operator=(const Position& other);

    CFigure* Add(int type, int color, const char* square);
    CFigure* At(const char* square);
    void Remove(CFigure* figure);
    int IndexOf(const CFigure* figure) const;

private:
    void Rebind();
};

// FEN piece placement ("rnbqkbnr/pppppppp/8/..."); figures are listed rank
// by rank from rank 1, file by file from file A.
Position FromPlacement(const std::string& placement);
Position InitialPosition();

// Square name "E2" -> x, y.
int FileOf(const char* square);
int RankOf(const char* square);

// Plays `move` as the board would: the mover's rights, the capture, the
// castling rook, promotion to a queen and the opponent's en passant right.
Position Play(const Position& position, const engine::sEngineMove& move);

// The moves of `color` that do not leave its own king attacked.
std::vector<engine::sEngineMove> SafeMoves(const Position& position, int color);

bool KingAttacked(const Position& position, int color);

// Random play from the initial position; stops early when a side has no safe move.
Position RandomGame(std::mt19937& random, int plies, int& sideToMove);

} // namespace engine_test
