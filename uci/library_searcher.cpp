#include "uci/library_searcher.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "engines/engine_answer.h"
#include "engines/figure_set.h"
#include "notation/board_bridge.h"
#include "notation/move_generator.h"
#include "platform/library.h"

namespace {

constexpr const char* kReportName = "!debug.$$$";

struct RankedMove {
    notation::Move move;
    int price = 0;
};

// The root moves of the last search, best first, as the library reported
// them; a pawn reaching the last rank becomes a queen there.
std::vector<RankedMove> ReadReport() {
    std::vector<RankedMove> ranked;
    std::ifstream in(kReportName);
    for (std::string line; std::getline(in, line);) {
        int index, type, fy, ty, kind, price;
        char fx, tx;
        if (std::sscanf(line.c_str(), "%d) %d from (%c,%d) to (%c,%d) type=%d price=%d", &index,
                        &type, &fx, &fy, &tx, &ty, &kind, &price) != 8)
            continue;
        const int x0 = fx - 'A', y0 = fy - 1, x1 = tx - 'A', y1 = ty - 1;
        if (!IsOnBoard(x0, y0) || !IsOnBoard(x1, y1)) continue;
        notation::Move move{int8_t(notation::SquareOf(x0, y0)), int8_t(notation::SquareOf(x1, y1)),
                            0};
        if (type == kPawn && (y1 == 0 || y1 == 7)) move.promotion = kQueen;
        ranked.push_back({move, price});
    }
    return ranked;
}

} // namespace

LibrarySearcher::LibrarySearcher(const std::string& libraryName) {
    computerMove_ = reinterpret_cast<GetComputerMoveFn>(
        platform::GetProcAddress(platform::LoadLibrary(libraryName), kGetComputerMoveOrdinal));
}

SearchResult LibrarySearcher::Search(const notation::Position& position, int level, int* stop) {
    SearchResult result;
    result.depth = level + 3;
    const notation::MoveList legal = notation::LegalMoves(position);
    if (legal.Empty() || !computerMove_) return result;

    engines::FigureSet figures(position);
    sRuleState rights = notation::RightsFromPosition(position);
    CFigure *captured = nullptr, *moved = nullptr;
    int x = -1, y = -1;
    const int opponent = position.side == kWhite ? kBlack : kWhite;
    // The moved record keeps its square; only its type may change.
    const std::vector<sState> before = engines::StatesOf(*figures.List());
    std::remove(kReportName);
    computerMove_(figures.List(), opponent, level, &rights, &captured, &moved, &x, &y, stop);
    int typeBefore = 0;
    for (int i = 0; i < figures.List()->count; ++i)
        if (figures.List()->figures[i] == moved) typeBefore = before[size_t(i)].type;

    const std::vector<RankedMove> ranked = ReadReport();
    result.nodes = static_cast<long long>(ranked.size());
    const std::optional<notation::Move> chosen = engines::ReadAnswer(moved, typeBefore, x, y);
    if (chosen && legal.Contains(*chosen)) result.move = chosen;
    for (const RankedMove& r : ranked)
        if (!result.move && legal.Contains(r.move)) result.move = r.move;
    if (!result.move) result.move = legal[0];
    for (const RankedMove& r : ranked)
        if (r.move.from == result.move->from && r.move.to == result.move->to) {
            result.scoreCp = r.price;
            break;
        }
    return result;
}
