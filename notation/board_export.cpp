#include "notation/board_history.h"

#include <array>

#include "notation/move_generator.h"
#include "notation/move_numbers.h"
#include "notation/play.h"
#include "notation/san.h"

namespace notation {

namespace {

bool Promotes(const Position& p, Move m) {
    const Piece mover = p.At(m.from);
    return TypeOf(mover) == kPawn && RankOf(m.to) == HomeRank(Opponent(ColorOf(mover)));
}

// The board's move with the promotion spelled out, as the legal moves have it.
Move Resolved(const Position& p, const PlayedMove& played) {
    Move m = MoveOfPlayed(played);
    m.promotion = Promotes(p, m) ? int8_t(PromotedType(m.promotion)) : int8_t(0);
    return m;
}

bool Fits(const Position& p, const PlayedMove& played) {
    const sLastMove& s = played.squares;
    if (!IsOnBoard(s.fromX, s.fromY) || !IsOnBoard(s.toX, s.toY)) return false;
    const Piece mover = p.At(s.fromX, s.fromY);
    return mover != kEmpty && ColorOf(mover) == p.side;
}

using Census = std::array<int, 7>;

// A side's figures of each type, on the board and among the captured.
Census CensusOf(const sBoardState& state, int color) {
    Census census{};
    for (const auto* list : {&state.pieces, &state.capturedWhite, &state.capturedBlack})
        for (const sState& s : *list)
            if (s.color == color && s.type >= kPawn && s.type <= kKing) ++census[size_t(s.type)];
    return census;
}

// The last checkpoint at or before `ply` moves, or the first after them.
const BoardCheckpoint* Around(const std::vector<BoardCheckpoint>& checkpoints, int ply,
                              bool after) {
    const BoardCheckpoint* found = nullptr;
    for (const BoardCheckpoint& c : checkpoints) {
        if (!c.state) continue;
        if (!after && c.ply <= ply) found = &c;
        if (after && c.ply > ply) return &c;
    }
    return found;
}

struct Promotion {
    int ply;
    int color;
};

std::vector<Promotion> PromotionsOf(const Position& start, const std::vector<PlayedMove>& moves) {
    std::vector<Promotion> promotions;
    Position p = start;
    for (size_t i = 0; i < moves.size() && Fits(p, moves[i]); ++i) {
        const Move m = Resolved(p, moves[i]);
        if (m.promotion) promotions.push_back({int(i), p.side});
        p = Play(p, m);
    }
    return promotions;
}

} // namespace

Move MoveOfPlayed(const PlayedMove& played) {
    const sLastMove& s = played.squares;
    return {int8_t(SquareOf(s.fromX, s.fromY)), int8_t(SquareOf(s.toX, s.toY)),
            int8_t(played.promotion)};
}

bool IsStandardMove(const Position& position, const PlayedMove& played) {
    return Fits(position, played) && LegalMoves(position).Contains(Resolved(position, played));
}

PlayedGameText DescribePlayedGame(const Position& start, const std::vector<PlayedMove>& moves) {
    PlayedGameText text;
    Position p = start;
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::string name = MoveName(int(i), start.fullmoveNumber, start.side);
        if (!Fits(p, moves[i])) {
            text.error = name + " does not fit the position before it";
            break;
        }
        const MoveList legal = LegalMoves(p);
        const Move m = Resolved(p, moves[i]);
        const std::string san = ToSan(p, m, legal);
        if (text.warning.empty() && !legal.Contains(m))
            text.warning = name + ", " + san +
                           ", is not legal under the standard rules of chess; other programs "
                           "may refuse this game";
        text.san.push_back(san);
        p = Play(p, m);
    }
    text.end = p;
    return text;
}

void ResolvePromotions(const Position& start, std::vector<PlayedMove>& moves,
                       const std::vector<BoardCheckpoint>& checkpoints) {
    const std::vector<Promotion> promotions = PromotionsOf(start, moves);
    for (const Promotion& u : promotions) {
        if (moves[size_t(u.ply)].promotion) continue;
        const BoardCheckpoint* before = Around(checkpoints, u.ply, false);
        const BoardCheckpoint* after = Around(checkpoints, u.ply, true);
        if (!before || !after) continue;
        Census gained = CensusOf(*after->state, u.color);
        const Census had = CensusOf(*before->state, u.color);
        for (size_t t = 0; t < gained.size(); ++t) gained[t] -= had[t];
        for (const Promotion& v : promotions) {
            const int32_t known = moves[size_t(v.ply)].promotion;
            if (v.ply != u.ply && v.color == u.color && known && v.ply >= before->ply &&
                v.ply < after->ply)
                --gained[size_t(PromotedType(known))];
        }
        for (int type : {kQueen, kRook, kBishop, kKnight})
            if (gained[size_t(type)] > 0) {
                moves[size_t(u.ply)].promotion = type;
                break;
            }
    }
}

} // namespace notation
