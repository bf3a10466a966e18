#include "notation/fen.h"

#include "notation/pieces.h"

namespace notation {

namespace {

std::string Placement(const Position& p) {
    std::string text;
    for (int y = 7; y >= 0; --y) {
        int gap = 0;
        for (int x = 0; x < 8; ++x) {
            const Piece piece = p.At(x, y);
            if (piece == kEmpty) {
                ++gap;
                continue;
            }
            if (gap) text += char('0' + gap);
            gap = 0;
            text += PieceLetter(TypeOf(piece), ColorOf(piece));
        }
        if (gap) text += char('0' + gap);
        if (y > 0) text += '/';
    }
    return text;
}

std::string Castling(uint8_t rights) {
    std::string text;
    for (int color : {kWhite, kBlack})
        for (bool kingside : {true, false})
            if (rights & CastlingBit(color, kingside))
                text += PieceLetter(kingside ? kKing : kQueen, color);
    return text.empty() ? "-" : text;
}

} // namespace

std::string WriteFen(const Position& p) {
    return Placement(p) + (p.side == kWhite ? " w " : " b ") + Castling(p.castling) + ' ' +
           SquareText(p.enPassant) + ' ' + std::to_string(p.halfmoveClock) + ' ' +
           std::to_string(p.fullmoveNumber);
}

} // namespace notation
