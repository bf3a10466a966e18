#include "position_fixture.h"

#include "engine/attacks.h"
#include "engine/figure_list.h"
#include "engine/move_generator.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace engine_test {

Position::Position(const Position& other) : records(other.records), rules(other.rules) {
    records.reserve(64);
    Rebind();
}

Position& Position::operator=(const Position& other) {
    records = other.records;
    rules = other.rules;
    Rebind();
    return *this;
}

void Position::Rebind() {
    pointers.clear();
    for (CFigure& f : records) pointers.push_back(&f);
    list = {static_cast<int32_t>(pointers.size()), 0, pointers.data()};
}

CFigure* Position::Add(int type, int color, const char* square) {
    records.push_back({type, color, FileOf(square), RankOf(square), 0});
    Rebind();
    return &records.back();
}

CFigure* Position::At(const char* square) {
    return engine::FigureAt(list, FileOf(square), RankOf(square));
}

void Position::Remove(CFigure* figure) {
    records.erase(records.begin() + IndexOf(figure));
    Rebind();
}

int Position::IndexOf(const CFigure* figure) const {
    return engine::IndexOf(list, figure);
}

int FileOf(const char* square) {
    return std::toupper(square[0]) - 'A';
}
int RankOf(const char* square) {
    return square[1] - '1';
}

Position FromPlacement(const std::string& placement) {
    struct Entry {
        int rank, file, type, color;
    };
    std::vector<Entry> entries;
    int rank = 7, file = 0;
    for (char c : placement) {
        if (c == '/') {
            --rank;
            file = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            file += c - '0';
        } else {
            const std::string types = "pnbrqk";
            const auto type = types.find(static_cast<char>(std::tolower(c)));
            entries.push_back({rank, file, static_cast<int>(type) + 1, std::islower(c) ? 1 : 0});
            ++file;
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.rank < b.rank; });
    Position p;
    for (const Entry& e : entries) {
        const char square[3] = {static_cast<char>('A' + e.file), static_cast<char>('1' + e.rank),
                                0};
        p.Add(e.type, e.color, square);
    }
    return p;
}

Position InitialPosition() {
    return FromPlacement("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
}

Position Play(const Position& position, const engine::sEngineMove& move) {
    Position next = position;
    CFigure* mover = next.pointers[position.IndexOf(move.piece)];
    const int color = mover->color;
    const int fromY = mover->y;
    engine::UpdateRights(next.rules, *mover);
    next.rules[2 + (1 - color)] = 0;
    if (move.kind == engine::kCastling) {
        CFigure* rook = next.pointers[position.IndexOf(move.other)];
        rook->x = rook->x == 0 ? 3 : 5;
    }
    mover->x = move.x;
    mover->y = move.y;
    if (mover->type == 1 && move.y == (color == 0 ? 7 : 0)) mover->type = 5;
    if (mover->type == 1 && std::abs(move.y - fromY) == 2) {
        next.rules[2 + (1 - color)] = 1;
        next.rules[4 + 2 * (1 - color)] = move.x;
        next.rules[5 + 2 * (1 - color)] = (move.y + fromY) / 2;
    }
    if (move.kind == engine::kCapture) next.Remove(next.pointers[position.IndexOf(move.other)]);
    return next;
}

bool KingAttacked(const Position& position, int color) {
    const CFigure* king = engine::FindKing(position.list, color);
    if (!king) return false;
    engine::AttackMap map;
    engine::BuildAttackMap(map, king, position.list, 1 - color);
    return map[engine::SquareIndex(king->x, king->y)] != 0;
}

std::vector<engine::sEngineMove> SafeMoves(const Position& position, int color) {
    engine::MoveList moves;
    engine::GenerateAllMoves(position.list, color, moves, position.rules);
    std::vector<engine::sEngineMove> safe;
    for (const auto& m : moves)
        if (!(m.other && m.other->type == 6) && !KingAttacked(Play(position, m), color))
            safe.push_back(m);
    return safe;
}

Position RandomGame(std::mt19937& random, int plies, int& sideToMove) {
    Position p = InitialPosition();
    sideToMove = 0;
    for (int i = 0; i < plies; ++i) {
        const auto moves = SafeMoves(p, sideToMove);
        if (moves.empty()) break;
        p = Play(p, moves[random() % moves.size()]);
        sideToMove = 1 - sideToMove;
    }
    return p;
}

} // namespace engine_test
