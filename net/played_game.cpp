#include "net/played_game.h"

#include "board/board.h"
#include "board/move_table.h"

#include <string_view>

namespace {

constexpr std::string_view kFigureMarks = "PNBRQK";

char Mark(const CFigure* figure) {
    if (!figure || figure->type < kPawn || figure->type > kKing) return '.';
    const char mark = kFigureMarks[static_cast<size_t>(figure->type - kPawn)];
    return figure->color == kWhite ? mark : static_cast<char>(mark - 'A' + 'a');
}

} // namespace

sGameRecord PlayedGame(const CBoard& board, const CMoveTable& moves) {
    sGameRecord record;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) record.position += Mark(board.FigureAt(x, y));
    for (int i = 0; i < moves.entries.Count(); ++i)
        if (const sMove* move = moves.entries[i])
            record.moves.push_back(
                {static_cast<int8_t>(move->fromX), static_cast<int8_t>(move->fromY),
                 static_cast<int8_t>(move->toX), static_cast<int8_t>(move->toY)});
    return record;
}
