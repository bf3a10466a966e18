#include "position.h"

#include <algorithm>
#include <cctype>

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
    for (CFigure* f : pointers)
        if (f->x == FileOf(square) && f->y == RankOf(square)) return f;
    return nullptr;
}

void Position::Remove(CFigure* figure) {
    records.erase(records.begin() + IndexOf(figure));
    Rebind();
}

int Position::IndexOf(const CFigure* figure) const {
    for (std::size_t i = 0; i < pointers.size(); ++i)
        if (pointers[i] == figure) return static_cast<int>(i);
    return -1;
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

} // namespace engine_test
