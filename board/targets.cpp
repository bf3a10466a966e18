#include <algorithm>

#include "board/board.h"

namespace {

struct sMoveSet {
    const sSquare* steps;
    int count;
    bool slides; // repeat each step up to the first figure or the edge
};

constexpr sSquare kKnightSteps[] = {{1, 2}, {-1, 2}, {-1, -2}, {1, -2},
                                    {2, 1}, {2, -1}, {-2, -1}, {-2, 1}};
constexpr sSquare kKingSteps[] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1},
                                  {0, 1}, {0, -1}, {-1, 0},  {1, 0}};
// The bishop's four rays, then the rook's; a queen uses all eight.
constexpr sSquare kRays[] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}, {1, 0}, {0, -1}, {-1, 0}, {0, 1}};

// Indexed by figure type; pawns have rules of their own.
constexpr sMoveSet kMoveSets[] = {
    {nullptr, 0, false},  {nullptr, 0, false}, {kKnightSteps, 8, false}, {kRays, 4, true},
    {kRays + 4, 4, true}, {kRays, 8, true},    {kKingSteps, 8, false},
};

bool Contains(const std::vector<sSquare>& list, sSquare square) {
    return std::find(list.begin(), list.end(), square) != list.end();
}

} // namespace

bool CBoard::IsTarget(int32_t x, int32_t y) const {
    return Contains(targets, {x, y});
}

void CBoard::AppendPawnTargets(const CFigure& pawn, int32_t c, std::vector<sSquare>& list) const {
    const int32_t x = pawn.x, y = pawn.y, dir = PawnDirection(c);
    for (int32_t dx : {-1, 1}) {
        const CFigure* h = FigureAt(x + dx, y + dir);
        if (h && h->color == Opponent(c)) list.push_back({x + dx, y + dir});
    }
    if (IsEmpty(x, y + dir)) {
        list.push_back({x, y + dir});
        const bool onStartRank = (y == 1 && c == kWhite) || (y == 6 && c == kBlack);
        if (onStartRank && IsEmpty(x, y + 2 * dir)) list.push_back({x, y + 2 * dir});
    }
    const sRuleState& r = rights;
    if (c != 0 && c != 1) return; // no rights words for such a colour
    if (r[rule::EnPassantAllowed(c)]) {
        const sSquare t{r[rule::EnPassantX(c)], r[rule::EnPassantY(c)]};
        if ((x == t.x + 1 || x == t.x - 1) && y + dir == t.y) list.push_back(t);
    }
}

void CBoard::AppendTargets(const CFigure& figure, int32_t c, std::vector<sSquare>& list) const {
    if (figure.type == kPawn) return AppendPawnTargets(figure, c, list);
    if (figure.type < kKnight || figure.type > kKing) return;
    const sMoveSet& set = kMoveSets[figure.type];
    for (int i = 0; i < set.count; ++i) {
        const sSquare step = set.steps[i];
        sSquare s{figure.x + step.x, figure.y + step.y};
        for (; ::IsOnBoard(s.x, s.y); s = {s.x + step.x, s.y + step.y}) {
            const CFigure* h = FigureAt(s.x, s.y);
            if (!h || h->color == Opponent(c)) list.push_back(s);
            if (h || !set.slides) break;
        }
    }
}

void CBoard::CollectTargets(std::vector<sSquare>& list, int32_t color) const {
    list.clear();
    for (const CFigure* f : figures)
        if (f->color == color) AppendTargets(*f, color, list);
}

int CBoard::CastlePathSafe(int kingside, int32_t x, int32_t y) const {
    return CastlePathSafe(services_.CurrentMove(), kingside != 0, x, y) ? 1 : 0;
}

bool CBoard::CastlePathSafe(int32_t c, bool kingside, int32_t x, int32_t y) const {
    std::vector<sSquare> reached;
    CollectTargets(reached, Opponent(c));
    const int32_t step = kingside ? 1 : -1;
    const int tested = kingside ? 4 : 5;
    for (int i = 0; i < tested; ++i)
        if (Contains(reached, {x + i * step, y})) return false;
    return true;
}

void CBoard::AppendCastling(const CFigure& king, int32_t c, std::vector<sSquare>& list) const {
    const int32_t x = king.x, y = king.y;
    const auto ownRookOn = [&](int32_t file) {
        const CFigure* r = FigureAt(file, y);
        return r && r->type == kRook && r->color == c;
    };
    if (!rights[rule::RookHMoved(c)] && ownRookOn(7) && IsEmpty(x + 1, y) && IsEmpty(x + 2, y) &&
        CastlePathSafe(c, true, x, y))
        list.push_back({x + 2, y});
    if (!rights[rule::RookAMoved(c)] && ownRookOn(0) && IsEmpty(x - 1, y) && IsEmpty(x - 2, y) &&
        IsEmpty(x - 3, y) && CastlePathSafe(c, false, x, y))
        list.push_back({x - 2, y});
}

// The squares a click may move the figure to: its own moves, castling for a
// king, and never a king's square, of either colour.
void CBoard::TargetsOf(const CFigure& figure, int32_t c, std::vector<sSquare>& list) const {
    list.clear();
    AppendTargets(figure, c, list);
    if (figure.type == kKing && (c == 0 || c == 1) && !rights[rule::KingMoved(c)])
        AppendCastling(figure, c, list);
    std::erase_if(list, [this](sSquare s) {
        const CFigure* h = FigureAt(s.x, s.y);
        return h && h->type == kKing;
    });
}

void CBoard::BuildTargets() {
    targets.clear();
    if (selectedFigure) TargetsOf(*selectedFigure, services_.CurrentMove(), targets);
}

void CBoard::UpdateEnPassant(const CFigure* figure, int32_t fromY, int32_t toX, int32_t toY) {
    UpdateEnPassant(services_.CurrentMove(), figure, fromY, toX, toY);
}

void CBoard::UpdateEnPassant(int32_t c, const CFigure* figure, int32_t fromY, int32_t toX,
                             int32_t toY) {
    const int32_t o = Opponent(c);
    if (figure && figure->type == kPawn && (toY - fromY == 2 || fromY - toY == 2)) {
        for (const CFigure* f : figures)
            if (f->type == kPawn && f->color == o && f->y == toY &&
                (f->x == toX + 1 || f->x == toX - 1)) {
                rights[rule::EnPassantAllowed(o)] = 1;
                rights[rule::EnPassantX(o)] = toX;
                rights[rule::EnPassantY(o)] = fromY + PawnDirection(c);
                return;
            }
    }
    rights[rule::EnPassantAllowed(o)] = 0;
}
