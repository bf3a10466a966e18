#include <array>

#include "board/board.h"
#include "board/text_reader.h"

namespace {

// The figure and history part of a value, read completely before the board
// takes any of it.
struct sParsedGame {
    CFigureList figures;
    std::array<int32_t, rule::kStoredWords> rights{};
    CFigureList capturedBlack;
    CFigureList capturedWhite;
    CHistory history;
    CMoveList moves;
};

bool ValidFigure(int32_t type, int32_t color) {
    return type >= kPawn && type <= kKing && (color == kWhite || color == kBlack);
}

// Figures on the board stand on distinct squares of it.
class CSquareSet {
public:
    bool Take(int32_t x, int32_t y) {
        if (!IsOnBoard(x, y) || used_[y * 8 + x]) return false;
        used_[y * 8 + x] = true;
        return true;
    }

private:
    std::array<bool, 64> used_{};
};

bool ReadWords(CTextReader& in, int32_t* words, int count) {
    for (int i = 0; i < count; ++i)
        if (!in.ReadNumber(words[i])) return false;
    return true;
}

enum class SquareRule { Distinct, OnBoard, Any };

// A count, then that many groups of type, colour, x and y.
template <class Add> bool ReadGroups(CTextReader& in, SquareRule rule, Add add) {
    int32_t count = 0;
    if (!in.ReadCount(count)) return false;
    CSquareSet squares;
    for (int32_t i = 0; i < count; ++i) {
        int32_t f[4];
        if (!ReadWords(in, f, 4) || !ValidFigure(f[0], f[1])) return false;
        if (rule == SquareRule::Distinct && !squares.Take(f[2], f[3])) return false;
        if (rule == SquareRule::OnBoard && !IsOnBoard(f[2], f[3])) return false;
        add(f);
    }
    return true;
}

// Captured figures keep the square they were taken on.
bool ReadFigures(CTextReader& in, CFigureList& list, SquareRule rule) {
    return ReadGroups(in, rule, [&](const int32_t* f) {
        list.Append(new CFigure{f[0], f[1], f[2], f[3], 0});
    });
}

// Captured figures of a record have no square worth checking.
bool ReadStates(CTextReader& in, std::vector<sState>& states, SquareRule rule) {
    return ReadGroups(in, rule, [&](const int32_t* f) {
        states.push_back({f[0], f[1], f[2], f[3]});
    });
}

bool ReadRecord(CTextReader& in, sBoardState& record) {
    sLastMove& m = record.lastMove;
    int32_t last[4];
    if (!ReadWords(in, record.rights.word, rule::kStoredWords) || !ReadWords(in, last, 4))
        return false;
    m = {last[0], last[1], last[2], last[3]};
    return ReadStates(in, record.pieces, SquareRule::Distinct) &&
           ReadStates(in, record.capturedWhite, SquareRule::Any) &&
           ReadStates(in, record.capturedBlack, SquareRule::Any);
}

bool ReadGame(CTextReader& in, sParsedGame& game) {
    if (!ReadFigures(in, game.figures, SquareRule::Distinct) ||
        !ReadWords(in, game.rights.data(), rule::kStoredWords) ||
        !ReadFigures(in, game.capturedBlack, SquareRule::OnBoard) ||
        !ReadFigures(in, game.capturedWhite, SquareRule::OnBoard))
        return false;
    int32_t records = 0;
    if (!in.ReadCount(records)) return false;
    for (int32_t i = 0; i < records; ++i)
        if (!ReadRecord(in, *game.history.Append(new sBoardState{}))) return false;
    return CMoveTable::ParseMoves(in, game.moves) && in.AtEnd();
}

sState StateOf(const CFigure* f) {
    return {f->type, f->color, f->x, f->y};
}
sState StateOf(const sState& s) {
    return s;
}

template <class List> bool WriteGroups(FILE* file, int count, const List& list) {
    bool ok = fprintf(file, "%d ", count) >= 0;
    for (const auto& item : list) {
        const sState s = StateOf(item);
        ok = ok && fprintf(file, "%d %d %d %d ", s.type, s.color, s.x, s.y) >= 0;
    }
    return ok;
}

bool WriteFigures(FILE* file, const CFigureList& list) {
    return WriteGroups(file, list.Count(), list);
}

bool WriteStates(FILE* file, const std::vector<sState>& states) {
    return WriteGroups(file, static_cast<int>(states.size()), states);
}

bool WriteWords(FILE* file, const int32_t* words, int count) {
    bool ok = true;
    for (int i = 0; i < count; ++i) ok = ok && fprintf(file, "%d ", words[i]) >= 0;
    return ok;
}

bool WriteRecord(FILE* file, const sBoardState& r) {
    const sLastMove& m = r.lastMove;
    const int32_t last[4] = {m.fromX, m.fromY, m.toX, m.toY};
    return WriteWords(file, r.rights.word, rule::kStoredWords) && WriteWords(file, last, 4) &&
           WriteStates(file, r.pieces) && WriteStates(file, r.capturedWhite) &&
           WriteStates(file, r.capturedBlack);
}

} // namespace

int CBoard::WriteText(FILE* file) {
    if (!file) return 0;
    bool ok = WriteFigures(file, figures) && WriteWords(file, rights.word, rule::kStoredWords) &&
              WriteFigures(file, capturedBlack) && WriteFigures(file, capturedWhite) &&
              fprintf(file, "%d ", history.Count()) >= 0;
    for (const sBoardState* r : history) ok = ok && WriteRecord(file, *r);
    ok = ok && moveTable_.WriteMoves(file) && fputs("\r\n", file) >= 0;
    return ok && !ferror(file) ? 1 : 0;
}

int CBoard::ParseText(const char* text) {
    textRefused = 1;
    if (!text) return 0;
    CTextReader in(text);
    sParsedGame game;
    if (!ReadGame(in, game)) return 0;
    textRefused = 0;

    ClearFigures();
    figures.Swap(game.figures);
    capturedBlack.Swap(game.capturedBlack);
    capturedWhite.Swap(game.capturedWhite);
    for (int i = 0; i < rule::kStoredWords; ++i) rights[i] = game.rights[i];
    ReplaceGame(game.history, game.moves);
    return 1;
}
