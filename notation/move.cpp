#include "notation/move.h"

#include <algorithm>

#include "notation/pieces.h"
#include "notation/position.h"

namespace notation {

std::string ToUci(Move move) {
    std::string text = SquareText(move.from) + SquareText(move.to);
    if (move.promotion) text += PieceLetter(move.promotion, kBlack);
    return text;
}

bool MoveList::Contains(Move move) const {
    return std::find(begin(), end(), move) != end();
}

} // namespace notation
