#include "notation/san.h"

#include "notation/attacks.h"
#include "notation/move_generator.h"
#include "notation/pieces.h"
#include "notation/play.h"

namespace notation {

namespace {

// What tells the mover apart from the other pieces of its kind that reach
// the same square: its file if that is enough, else its rank, else both.
std::string Disambiguation(const Position& p, Move m, const MoveList& legal) {
    bool rivals = false, sameFile = false, sameRank = false;
    for (const Move other : legal) {
        if (other.to != m.to || other.from == m.from || p.At(other.from) != p.At(m.from)) continue;
        rivals = true;
        sameFile |= FileOf(other.from) == FileOf(m.from);
        sameRank |= RankOf(other.from) == RankOf(m.from);
    }
    const std::string from = SquareText(m.from);
    if (!rivals) return "";
    if (!sameFile) return from.substr(0, 1);
    if (!sameRank) return from.substr(1);
    return from;
}

std::string CheckSign(const Position& after) {
    if (!InCheck(after, after.side)) return "";
    return HasLegalMove(after) ? "+" : "#";
}

std::string MoveBody(const Position& p, Move m, const MoveList& legal) {
    if (IsCastling(p, m)) return IsKingsideCastling(m) ? "O-O" : "O-O-O";
    const int type = TypeOf(p.At(m.from));
    const std::string to = SquareText(m.to);
    const bool capture = IsCapture(p, m);
    if (type == kPawn) {
        std::string text = capture ? SquareText(m.from).substr(0, 1) + "x" + to : to;
        if (RankOf(m.to) == HomeRank(Opponent(ColorOf(p.At(m.from)))))
            text += std::string("=") + kFenLetters[PromotedType(m.promotion)];
        return text;
    }
    std::string text(1, type >= kKnight && type <= kKing ? kSanLetters[type] : '?');
    return text + Disambiguation(p, m, legal) + (capture ? "x" : "") + to;
}

} // namespace

std::string ToSan(const Position& p, Move m, const MoveList& legal) {
    return MoveBody(p, m, legal) + CheckSign(Play(p, m));
}

std::string ToSan(const Position& p, Move m) {
    return ToSan(p, m, LegalMoves(p));
}

std::vector<std::string> SanOfMoves(const Position& start, const std::vector<Move>& moves) {
    std::vector<std::string> san;
    san.reserve(moves.size());
    Position p = start;
    for (const Move m : moves) {
        san.push_back(ToSan(p, m));
        p = Play(p, m);
    }
    return san;
}

} // namespace notation
