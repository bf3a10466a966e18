#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "board/owner_list.h"
#include "board/rules.h"

class CTextReader;

// One entry of the move list: "E2 - E4" and the squares it names.
struct sMove {
    std::string text;
    int32_t fromX;
    int32_t fromY;
    int32_t toX;
    int32_t toY;
};

using CMoveList = COwnerList<sMove>;

// The entry of a move: "E2 - E4" and its squares.
sMove MoveEntryOf(const sLastMove& move);

// The moves of the game in progress; the board appends and browses them, the
// view draws them from `firstShown` on.
class CMoveTable {
public:
    CMoveList entries;
    int32_t firstShown = 0;

    void RemoveAllMoves();
    // The count and the tab-separated entries of a game file's board value.
    int WriteMoves(FILE* file) const;
    // Reads what WriteMoves wrote, from `position` of `text`. On success the
    // entries are replaced, `position` moves past them and 1 is returned;
    // otherwise nothing changes and 0 is returned.
    int ReadMoves(const char* text, size_t& position);

    // The parsing and the taking over of ReadMoves, for a caller that reads
    // more than the moves and commits all of it at once.
    static bool ParseMoves(CTextReader& reader, CMoveList& moves);
    void ReplaceMoves(CMoveList& moves);
};
