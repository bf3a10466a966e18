#include "board/board.h"

namespace {

struct sPlacement {
    FigureType type;
    int32_t x; // -1: the file is the pawn's index in its row
};

// One side's figures in list order: eight pawns, then the back row.
constexpr sPlacement kSideSetup[16] = {
    {kPawn, -1}, {kPawn, -1}, {kPawn, -1},  {kPawn, -1},  {kPawn, -1},  {kPawn, -1},
    {kPawn, -1}, {kPawn, -1}, {kKnight, 1}, {kKnight, 6}, {kBishop, 2}, {kBishop, 5},
    {kRook, 0},  {kRook, 7},  {kQueen, 3},  {kKing, 4},
};

bool SameFigure(const CFigure& a, const CFigure& b) {
    return a.type == b.type && a.color == b.color && a.x == b.x && a.y == b.y;
}

bool RemoveFirstEqual(CFigureList& list, const CFigure& figure) {
    for (int i = 0; i < list.Count(); ++i)
        if (SameFigure(*list[i], figure)) {
            list.RemoveAt(i);
            return true;
        }
    return false;
}

} // namespace

CBoard::CBoard(CBoardServices& services, CMoveTable& moveTable)
    : services_(services), moveTable_(moveTable) {}

CBoard::~CBoard() = default;

CFigure* CBoard::FigureAt(int32_t x, int32_t y) const {
    if (!::IsOnBoard(x, y)) return nullptr;
    for (CFigure* f : figures)
        if (f->x == x && f->y == y) return f;
    return nullptr;
}

CFigure* CBoard::AddFigure(int32_t type, int32_t color, int32_t x, int32_t y) {
    return figures.Append(new CFigure{type, color, x, y, 0});
}

void CBoard::ClearFigures() {
    ClearSelection();
    figures.Clear();
    capturedBlack.Clear();
    capturedWhite.Clear();
}

void CBoard::SetupFigures() {
    ClearFigures();
    for (int32_t color : {kWhite, kBlack}) {
        const int32_t pawnRank = color == kWhite ? 1 : 6;
        const int32_t backRank = color == kWhite ? 0 : 7;
        for (int i = 0; i < 16; ++i) {
            const sPlacement& p = kSideSetup[i];
            if (p.type == kPawn)
                AddFigure(kPawn, color, i, pawnRank);
            else
                AddFigure(p.type, color, p.x, backRank);
        }
    }
}

void CBoard::CaptureFigure(CFigure* figure) {
    if (figure) TakeCaptured(figure);
}

// The capture without the deletion: the figure leaves the board for the
// captured list and is handed to the caller.
std::unique_ptr<CFigure> CBoard::TakeCaptured(CFigure* figure) {
    CFigureList& captured = figure->color == kBlack ? capturedBlack : capturedWhite;
    captured.Append(new CFigure{figure->type, figure->color, figure->x, figure->y, 0});
    return std::unique_ptr<CFigure>(figures.Release(figures.IndexOf(figure)));
}

void CBoard::RestoreCaptured(const CFigure* figure) {
    if (!figure) return;
    if (!RemoveFirstEqual(capturedBlack, *figure)) RemoveFirstEqual(capturedWhite, *figure);
}

int32_t& CBoard::Right(int index) {
    if (index >= 0 && index < rule::kWords) return rights[index];
    spareRight_ = 0;
    return spareRight_;
}

void CBoard::ClearSelection() {
    selected = 0;
    selectedFigure = nullptr;
    targets.clear();
}
