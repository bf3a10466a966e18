#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace notation {

// A move by its squares; what kind of move it is follows from the position.
struct Move {
    int8_t from = 0;
    int8_t to = 0;
    int8_t promotion = 0; // the figure type a pawn becomes, 0 otherwise
    bool operator==(const Move&) const = default;
};

// "e2e4", "e7e8q": the long form that engines read.
std::string ToUci(Move move);

// The legal moves of one position; no position has more than 218.
class MoveList {
public:
    void Add(Move move) { moves_[size_t(count_++)] = move; }
    int Size() const { return count_; }
    bool Empty() const { return count_ == 0; }
    const Move& operator[](int i) const { return moves_[size_t(i)]; }
    const Move* begin() const { return moves_.data(); }
    const Move* end() const { return moves_.data() + count_; }
    bool Contains(Move move) const;

private:
    std::array<Move, 256> moves_;
    int count_ = 0;
};

} // namespace notation
