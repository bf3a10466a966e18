#include "engine/attacks.h"

#include "engine/step_walk.h"

#include <algorithm>

namespace engine {
namespace {

uint64_t SquareBit(int32_t x, int32_t y) {
    return uint64_t{1} << SquareIndex(x, y);
}

void WalkAttacks(const CFigure& piece, std::span<const sStep> steps, const sFigureList& list,
                 const CFigure* lifted, uint64_t& squares) {
    WalkSteps(piece, steps, list, lifted, [&](const sStep& step, int32_t x, int32_t y, CFigure*) {
        if (step.canCapture) squares |= SquareBit(x, y);
    });
}

bool Attacks(const CFigure* f, const CFigure* lifted, int32_t color) {
    return f && f != lifted && f->color == color && OnBoard(*f);
}

template <class Mark>
void ForEachAttack(const CFigure* king, const sFigureList& list, int32_t color, uint32_t mask,
                   Mark&& mark) {
    for (int i = 0, n = FigureCount(list); i < n; ++i) {
        const CFigure* f = list.figures[i];
        const uint32_t bit = uint32_t{1} << (i % 32);
        if (!(mask & bit) || !Attacks(f, king, color)) continue;
        for (uint64_t squares = GenerateAttacks(*f, list, king); squares; squares &= squares - 1)
            mark(__builtin_ctzll(squares), bit);
    }
}

} // namespace

uint64_t GenerateAttacks(const CFigure& piece, const sFigureList& list, const CFigure* lifted) {
    uint64_t squares = 0;
    if (&piece == lifted || !OnBoard(piece)) return squares;
    if (piece.type == kPawn) {
        WalkAttacks(piece, PawnForwardInUse(piece), list, lifted, squares);
        WalkAttacks(piece, PawnCaptureSteps(), list, lifted, squares);
    } else {
        WalkAttacks(piece, FigureSteps(piece.type), list, lifted, squares);
    }
    return squares;
}

void BuildAttackMap(AttackMap map, const CFigure* king, const sFigureList& list, int32_t color) {
    std::fill_n(map, 64, 0);
    ForEachAttack(king, list, color, ~0u, [&](int square, uint32_t) { map[square] = 1; });
}

void BuildAttackerMap(AttackerMap map, const CFigure* king, const sFigureList& list,
                      int32_t color) {
    std::fill_n(map, 64, 0u);
    AddAttackers(map, king, list, color, ~0u);
}

void AddAttackers(AttackerMap map, const CFigure* king, const sFigureList& list, int32_t color,
                  uint32_t mask) {
    ForEachAttack(king, list, color, mask, [&](int square, uint32_t bit) { map[square] |= bit; });
}

} // namespace engine
