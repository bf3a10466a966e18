#pragma once

#include "engine/engine_api.h"

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

} // namespace engine_test
