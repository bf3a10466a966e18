#include "notation/move_generator.h"

#include "notation/attacks.h"
#include "notation/pieces.h"
#include "notation/play.h"
#include "notation/step_tables.h"

namespace notation {

namespace {

// Collects the moves of the side to move that break no rule other than
// leaving the own king attacked.
class PseudoMoves {
public:
    PseudoMoves(const Position& p, MoveList& out) : p_(p), out_(out), side_(p.side) {}

    void Generate() {
        for (int s = 0; s < 64; ++s) {
            const Piece piece = p_.At(s);
            if (piece == kEmpty || ColorOf(piece) != side_) continue;
            switch (TypeOf(piece)) {
            case kPawn:
                Pawn(s);
                break;
            case kKnight:
                Steps(s, kKnightSteps);
                break;
            case kBishop:
                Rays(s, kDiagonals);
                break;
            case kRook:
                Rays(s, kLines);
                break;
            case kQueen:
                Rays(s, kDiagonals);
                Rays(s, kLines);
                break;
            case kKing:
                Steps(s, kKingSteps);
                Castlings(s);
                break;
            default:
                break;
            }
        }
    }

private:
    bool Enemy(int x, int y) const {
        const Piece hit = p_.At(x, y);
        return hit != kEmpty && ColorOf(hit) != side_;
    }
    bool Free(int x, int y) const { return IsOnBoard(x, y) && p_.At(x, y) == kEmpty; }

    void Add(int from, int x, int y) { out_.Add({int8_t(from), int8_t(SquareOf(x, y)), 0}); }

    void AddPawn(int from, int x, int y) {
        if (y != HomeRank(Opponent(side_))) return Add(from, x, y);
        for (FigureType type : kPromotionTypes)
            out_.Add({int8_t(from), int8_t(SquareOf(x, y)), int8_t(type)});
    }

    void Pawn(int s) {
        const int x = FileOf(s), y = RankOf(s), dir = PawnDirection(side_);
        if (Free(x, y + dir)) {
            AddPawn(s, x, y + dir);
            const bool onStartRank = y == HomeRank(side_) + dir;
            if (onStartRank && Free(x, y + 2 * dir)) Add(s, x, y + 2 * dir);
        }
        for (int dx : {-1, 1}) {
            const int tx = x + dx, ty = y + dir;
            if (!IsOnBoard(tx, ty)) continue;
            if (Enemy(tx, ty) || (Free(tx, ty) && SquareOf(tx, ty) == p_.enPassant))
                AddPawn(s, tx, ty);
        }
    }

    template <size_t N> void Steps(int s, const Step (&steps)[N]) {
        for (const Step st : steps) {
            const int x = FileOf(s) + st.dx, y = RankOf(s) + st.dy;
            if (Free(x, y) || Enemy(x, y)) Add(s, x, y);
        }
    }

    void Rays(int s, const Step (&rays)[4]) {
        for (const Step st : rays) {
            int x = FileOf(s) + st.dx, y = RankOf(s) + st.dy;
            for (; Free(x, y); x += st.dx, y += st.dy) Add(s, x, y);
            if (Enemy(x, y)) Add(s, x, y);
        }
    }

    // The king from its home square with the own rook in the corner, nothing
    // between them, and no attacked square on the king's way, its start
    // included.
    void Castlings(int s) {
        const int home = HomeRank(side_);
        if (s != SquareOf(4, home)) return;
        const int enemy = Opponent(side_);
        for (bool kingside : {true, false}) {
            if (!(p_.castling & CastlingBit(side_, kingside))) continue;
            const int corner = kingside ? 7 : 0, step = kingside ? 1 : -1;
            if (p_.At(corner, home) != MakePiece(kRook, side_)) continue;
            bool open = true;
            for (int x = 4 + step; x != corner && open; x += step) open = Free(x, home);
            for (int i = 0; i <= 2 && open; ++i)
                open = !IsAttacked(p_, SquareOf(4 + i * step, home), enemy);
            if (open) Add(s, 4 + 2 * step, home);
        }
    }

    const Position& p_;
    MoveList& out_;
    int side_;
};

bool Legal(const Position& p, Move m) {
    return !InCheck(Play(p, m), p.side);
}

} // namespace

MoveList LegalMoves(const Position& position) {
    MoveList pseudo, legal;
    PseudoMoves(position, pseudo).Generate();
    for (const Move m : pseudo)
        if (Legal(position, m)) legal.Add(m);
    return legal;
}

bool HasLegalMove(const Position& position) {
    MoveList pseudo;
    PseudoMoves(position, pseudo).Generate();
    for (const Move m : pseudo)
        if (Legal(position, m)) return true;
    return false;
}

} // namespace notation
