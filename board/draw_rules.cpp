#include "board/draw_rules.h"

#include <algorithm>

sPositionKey MakePositionKey(const CFigureList& figures, const sRuleState& rights,
                             int32_t sideToMove, int8_t enPassantFile) {
    sPositionKey key;
    for (const CFigure* f : figures)
        if (IsOnBoard(f->x, f->y))
            key.squares[size_t(f->y * 8 + f->x)] = int8_t(f->color == kWhite ? f->type : -f->type);
    key.sideToMove = int8_t(sideToMove);
    for (int32_t c : {kWhite, kBlack}) {
        const int home = c == kWhite ? 0 : 7;
        const int8_t sign = c == kWhite ? 1 : -1;
        const auto at = [&](int x) { return key.squares[size_t(home * 8 + x)]; };
        if (rights[rule::KingMoved(c)] || at(4) != sign * kKing) continue;
        if (!rights[rule::RookHMoved(c)] && at(7) == sign * kRook)
            key.castling |= CastlingBit(c, true);
        if (!rights[rule::RookAMoved(c)] && at(0) == sign * kRook)
            key.castling |= CastlingBit(c, false);
    }
    key.enPassantFile = enPassantFile;
    return key;
}

namespace {

int FigureCount(const sPositionKey& key) {
    return int(std::count_if(key.squares.begin(), key.squares.end(), [](int8_t s) { return s; }));
}

bool SamePawns(const sPositionKey& a, const sPositionKey& b) {
    for (size_t i = 0; i < a.squares.size(); ++i) {
        const bool pawnA = a.squares[i] == kPawn || a.squares[i] == -kPawn;
        const bool pawnB = b.squares[i] == kPawn || b.squares[i] == -kPawn;
        if ((pawnA || pawnB) && a.squares[i] != b.squares[i]) return false;
    }
    return true;
}

bool IsMinor(int32_t type) {
    return type == kKnight || type == kBishop;
}

} // namespace

bool IsIrreversible(const sPositionKey& before, const sPositionKey& after) {
    return !before.known || !after.known || FigureCount(before) != FigureCount(after) ||
           !SamePawns(before, after);
}

int Occurrences(std::span<const sPositionKey> positions) {
    if (positions.empty() || !positions.back().known) return 0;
    return int(std::count(positions.begin(), positions.end(), positions.back()));
}

int PliesSinceIrreversible(std::span<const sPositionKey> positions) {
    int plies = 0;
    for (size_t i = positions.size(); i-- > 1;) {
        if (IsIrreversible(positions[i - 1], positions[i])) break;
        ++plies;
    }
    return plies;
}

bool CannotMate(const CFigureList& figures, int32_t color) {
    int minors = 0;
    for (const CFigure* f : figures) {
        if (f->color != color || f->type == kKing) continue;
        if (!IsMinor(f->type)) return false;
        ++minors;
    }
    return minors <= 1;
}

bool InsufficientMaterial(const CFigureList& figures) {
    int minors = 0, knights = 0;
    bool bishopShade[2] = {false, false};
    for (const CFigure* f : figures) {
        if (f->type == kKing) continue;
        if (!IsMinor(f->type)) return false;
        ++minors;
        if (f->type == kKnight)
            ++knights;
        else
            bishopShade[(f->x + f->y) % 2] = true;
    }
    if (minors <= 1) return true;
    // More than one minor piece: only bishops, all on squares of one colour.
    return knights == 0 && !(bishopShade[0] && bishopShade[1]);
}

DrawClaim ClaimableDraw(std::span<const sPositionKey> positions, const CFigureList& figures) {
    if (InsufficientMaterial(figures)) return DrawClaim::InsufficientMaterial;
    if (Occurrences(positions) >= kRepetitions) return DrawClaim::Repetition;
    if (PliesSinceIrreversible(positions) >= kFiftyMovePlies) return DrawClaim::FiftyMoves;
    return DrawClaim::None;
}

const char* DrawClaimText(DrawClaim claim) {
    static constexpr const char* kTexts[] = {"", "threefold repetition", "fifty-move rule",
                                             "insufficient material"};
    return kTexts[static_cast<size_t>(claim)];
}
