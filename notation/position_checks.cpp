#include "notation/fen.h"

#include <algorithm>
#include <array>

#include "notation/attacks.h"

namespace notation {

namespace {

const char* SideName(int color) {
    return color == kWhite ? "White" : "Black";
}

// Pieces beyond the starting set can only be promoted pawns.
std::string CountProblem(const Position& p, int color) {
    std::array<int, 7> count{};
    for (Piece piece : p.squares)
        if (piece != kEmpty && ColorOf(piece) == color) ++count[size_t(TypeOf(piece))];
    const std::string side = SideName(color);
    if (count[kKing] == 0) return side + " has no king";
    if (count[kKing] > 1) return side + " has more than one king";
    if (count[kPawn] > 8) return side + " has more than eight pawns";
    const int promoted = std::max(count[kQueen] - 1, 0) + std::max(count[kRook] - 2, 0) +
                         std::max(count[kBishop] - 2, 0) + std::max(count[kKnight] - 2, 0);
    if (promoted > 8 - count[kPawn])
        return side + " has more pieces than its pawns could have become";
    return "";
}

} // namespace

std::string PositionProblem(const Position& p) {
    for (int x = 0; x < 8; ++x)
        for (int y : {0, 7})
            if (TypeOf(p.At(x, y)) == kPawn)
                return "A pawn stands on " + SquareText(SquareOf(x, y)) +
                       ": pawns never stand on the first or last rank";
    for (int color : {kWhite, kBlack})
        if (std::string problem = CountProblem(p, color); !problem.empty()) return problem;
    if (InCheck(p, Opponent(p.side)))
        return std::string(SideName(Opponent(p.side))) + " is in check, but it is " +
               SideName(p.side) + "'s move";
    return "";
}

} // namespace notation
