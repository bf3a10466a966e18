#include "notation/board_bridge.h"

#include "notation/en_passant.h"

namespace notation {

namespace {

// The flag words that must stay clear for a castling, as the board reads them.
bool CastlingKept(const sRuleState& rights, int color, bool kingside) {
    const int rook = kingside ? rule::RookHMoved(color) : rule::RookAMoved(color);
    return rights[rule::KingMoved(color)] == 0 && rights[rook] == 0;
}

uint8_t CastlingOf(const Position& p, const sRuleState& rights) {
    uint8_t castling = 0;
    for (int color : {kWhite, kBlack}) {
        const int home = HomeRank(color);
        if (p.At(4, home) != MakePiece(kKing, color)) continue;
        for (bool kingside : {true, false})
            if (CastlingKept(rights, color, kingside) &&
                p.At(kingside ? 7 : 0, home) == MakePiece(kRook, color))
                castling |= CastlingBit(color, kingside);
    }
    return castling;
}

int EnPassantOf(const Position& p, const sRuleState& rights) {
    const int c = p.side;
    if (!rights[rule::EnPassantAllowed(c)]) return kNoSquare;
    const int x = rights[rule::EnPassantX(c)], y = rights[rule::EnPassantY(c)];
    if (ClassifyEnPassant(p, x, y) != EnPassantSquare::kUsable) return kNoSquare;
    return SquareOf(x, y);
}

} // namespace

Position PositionFromBoard(const std::vector<sState>& pieces, const sRuleState& rights,
                           const BoardTurn& turn) {
    Position p;
    for (const sState& s : pieces) {
        const bool known = s.type >= kPawn && s.type <= kKing && (s.color == 0 || s.color == 1);
        if (known && IsOnBoard(s.x, s.y) && p.At(s.x, s.y) == kEmpty)
            p.Put(SquareOf(s.x, s.y), MakePiece(s.type, s.color));
    }
    p.side = turn.sideToMove == kBlack ? kBlack : kWhite;
    p.castling = CastlingOf(p, rights);
    p.enPassant = EnPassantOf(p, rights);
    p.halfmoveClock = turn.halfmoveClock;
    p.fullmoveNumber = turn.fullmoveNumber;
    return p;
}

sRuleState RightsFromPosition(const Position& p) {
    sRuleState rights{};
    for (int color : {kWhite, kBlack}) {
        const bool kingside = p.castling & CastlingBit(color, true);
        const bool queenside = p.castling & CastlingBit(color, false);
        rights[rule::KingMoved(color)] = kingside || queenside ? 0 : 1;
        rights[rule::RookHMoved(color)] = kingside ? 0 : 1;
        rights[rule::RookAMoved(color)] = queenside ? 0 : 1;
    }
    if (p.enPassant != kNoSquare) {
        rights[rule::EnPassantAllowed(p.side)] = 1;
        rights[rule::EnPassantX(p.side)] = FileOf(p.enPassant);
        rights[rule::EnPassantY(p.side)] = RankOf(p.enPassant);
    }
    return rights;
}

std::vector<sState> PiecesFromPosition(const Position& p) {
    std::vector<sState> pieces;
    for (int color : {kWhite, kBlack})
        for (int type = kPawn; type <= kKing; ++type)
            for (int s = 0; s < 64; ++s)
                if (p.At(s) == MakePiece(type, color))
                    pieces.push_back({type, color, FileOf(s), RankOf(s)});
    return pieces;
}

} // namespace notation
