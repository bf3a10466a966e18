#include "engine/game_status.h"

#include "engine/attacks.h"
#include "engine/figure_list.h"
#include "engine/move_generator.h"
#include "engine/step_tables.h"
#include "platform/message_box.h"

#include <algorithm>
#include <vector>

namespace engine {
namespace {

// A copy of the list in the same order, so every figure keeps its index.
struct ListCopy {
    std::vector<CFigure> records;
    std::vector<CFigure*> pointers;
    sFigureList list{};

    explicit ListCopy(const sFigureList& source) {
        const int n = FigureCount(source);
        records.resize(n, CFigure{kNone, -1, kLiftedCoordinate, kLiftedCoordinate, 0});
        pointers.resize(n);
        for (int i = 0; i < n; ++i) {
            if (source.figures[i]) records[i] = *source.figures[i];
            pointers[i] = &records[i];
        }
        list = {n, 0, pointers.data()};
    }
};

bool EndsCheck(const sFigureList& list, const sEngineMove& move, const AttackerMap attackers,
               int32_t color) {
    const int32_t enemy = OtherColor(color);
    ListCopy copy(list);
    int capturedIndex = -1;
    if (move.kind == kCapture) {
        capturedIndex = IndexOf(list, move.other);
        if (capturedIndex >= 0) copy.records[capturedIndex].x = kLiftedCoordinate;
    }
    if (CFigure* mover = FigureAt(copy.list, move.piece->x, move.piece->y)) {
        mover->x = move.x;
        mover->y = move.y;
    }

    AttackerMap w;
    std::copy_n(attackers, 64, w);
    if (capturedIndex >= 0)
        for (uint32_t& word : w) word &= ~(uint32_t{1} << (capturedIndex % 32));

    const CFigure* ownKing = FindKing(copy.list, color);
    const uint32_t throughTarget = w[SquareIndex(move.x, move.y)];
    for (uint32_t& word : w) word &= ~throughTarget;
    AddAttackers(w, ownKing, copy.list, enemy, throughTarget);
    const uint32_t throughOrigin = w[SquareIndex(move.piece->x, move.piece->y)];
    AddAttackers(w, ownKing, copy.list, enemy, throughOrigin);

    return !ownKing || !OnBoard(*ownKing) || w[SquareIndex(ownKing->x, ownKing->y)] == 0;
}

} // namespace

StatusVerdict EvaluateGameStatus(int32_t color, const sFigureList& list, const sRuleState& rules) {
    StatusVerdict verdict;
    const CFigure* king = FindKing(list, color);
    verdict.kingMissing = king == nullptr;

    AttackerMap attackers;
    BuildAttackerMap(attackers, king, list, OtherColor(color));
    const bool inCheck = king && OnBoard(*king) && attackers[SquareIndex(king->x, king->y)] != 0;

    MoveList moves;
    GenerateAllMoves(list, color, moves, rules);
    if (!inCheck) {
        verdict.status = moves.empty() ? kStatusStalemate : kStatusNormal;
        return verdict;
    }
    verdict.status = kStatusMate;
    for (const sEngineMove& move : moves) {
        if (move.other && move.other->type == kKing) continue;
        if (EndsCheck(list, move, attackers, color)) {
            verdict.status = kStatusCheck;
            break;
        }
    }
    return verdict;
}

GameStatus GameStatusOf(int32_t color, const sFigureList& list, const sRuleState& rules) {
    const StatusVerdict verdict = EvaluateGameStatus(color, list, rules);
    if (verdict.kingMissing) ReportMissingKing();
    return verdict.status;
}

void ReportMissingKing() {
    platform::ShowMessageBox("pKorol == NULL", "Debug", platform::kOk);
}

} // namespace engine
