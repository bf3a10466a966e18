#include "board/move_table.h"

#include "board/text_reader.h"

sMove MoveEntryOf(const sLastMove& m) {
    return {SquareName(m.fromX, m.fromY) + " - " + SquareName(m.toX, m.toY), m.fromX, m.fromY,
            m.toX, m.toY};
}

void CMoveTable::RemoveAllMoves() {
    entries.Clear();
}

int CMoveTable::WriteMoves(FILE* file) const {
    if (fprintf(file, "%d ", entries.Count()) < 0) return 0;
    for (const sMove* m : entries)
        if (fprintf(file, "%s\t%d\t%d\t%d\t%d\t", m->text.c_str(), m->fromX, m->fromY, m->toX,
                    m->toY) < 0)
            return 0;
    return 1;
}

bool CMoveTable::ParseMoves(CTextReader& reader, CMoveList& moves) {
    int32_t count = 0;
    if (!reader.ReadCount(count)) return false;
    for (int32_t i = 0; i < count; ++i) {
        sMove* m = moves.Append(new sMove{});
        if (!reader.ReadField(m->text, '\t')) return false;
        for (int32_t* field : {&m->fromX, &m->fromY, &m->toX, &m->toY})
            if (!reader.ReadNumber(*field, '\t')) return false;
    }
    return true;
}

void CMoveTable::ReplaceMoves(CMoveList& moves) {
    entries.Swap(moves);
    moves.Clear();
    firstShown = 0;
}

int CMoveTable::ReadMoves(const char* text, size_t& position) {
    if (!text) return 0;
    size_t length = 0;
    while (length < position && text[length]) ++length;
    if (length < position) return 0;
    CTextReader reader(text + position);
    CMoveList moves;
    if (!ParseMoves(reader, moves)) return 0;
    ReplaceMoves(moves);
    position += reader.Position();
    return 1;
}
