#include "notation/move_numbers.h"

namespace notation {

namespace {

struct MoveIndex {
    int number;
    int side;
};

MoveIndex IndexOf(int ply, int firstNumber, int firstSide) {
    const int fromWhite = ply + firstSide;
    return {firstNumber + fromWhite / 2, fromWhite % 2};
}

} // namespace

std::vector<std::string> NumberedMoves(const std::vector<std::string>& san, int firstNumber,
                                       int firstSide, NumberStyle style) {
    std::vector<std::string> numbered;
    numbered.reserve(san.size());
    for (size_t i = 0; i < san.size(); ++i) {
        const MoveIndex at = IndexOf(int(i), firstNumber, firstSide);
        const std::string number = std::to_string(at.number);
        if (at.side == 0)
            numbered.push_back(number + ". " + san[i]);
        else if (i == 0)
            numbered.push_back(number + (style == NumberStyle::kPgn ? "... " : ". ... ") + san[i]);
        else
            numbered.push_back(san[i]);
    }
    return numbered;
}

std::string MoveText(const std::vector<std::string>& san, int firstNumber, int firstSide,
                     NumberStyle style) {
    std::string text;
    for (const std::string& move : NumberedMoves(san, firstNumber, firstSide, style))
        text += (text.empty() ? "" : " ") + move;
    return text;
}

std::string MoveName(int ply, int firstNumber, int firstSide) {
    const MoveIndex at = IndexOf(ply, firstNumber, firstSide);
    return "Move " + std::to_string(at.number) + " of " + (at.side == 0 ? "White" : "Black");
}

} // namespace notation
