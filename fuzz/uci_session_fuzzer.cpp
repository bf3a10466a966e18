// Lines to tavlion-uci's session: whatever comes, it answers without a
// crash, and every move it names is legal in the position it searched. The
// search is the library searcher over an entry that names any figure and
// any square, so its answers go through the same checks as the engine's.
#include "engines/figure_set.h"
#include "fuzz/fuzz_support.h"
#include "notation/move_generator.h"
#include "uci/library_searcher.h"
#include "uci/uci_server.h"

#include <string>

namespace {

uint8_t pick = 0;

int AnyEntry(sFigureList* list, int, int, sRuleState*, CFigure** captured, CFigure** moved, int* x,
             int* y, int*) {
    *captured = nullptr;
    *moved = list->count ? list->figures[pick % list->count] : nullptr;
    *x = pick % 9 - 1;
    *y = pick / 9 % 8;
    return 0;
}

class Recorder final : public Searcher {
public:
    SearchResult Search(const notation::Position& position, int level, int* stop) override {
        searched = position;
        return inner.Search(position, level, stop);
    }
    LibrarySearcher inner{&AnyEntry};
    notation::Position searched;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pick = size ? data[0] : 0;
    LineQueue input;
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            input.Push(line);
            line.clear();
        } else {
            line += char(data[i]);
        }
    }
    input.Push(line);
    input.Close();
    Recorder searcher;
    UciServer server(input, searcher, [&](const std::string& out) {
        if (out.rfind("bestmove ", 0) != 0) return;
        const std::string move = out.substr(9);
        const notation::MoveList legal = notation::LegalMoves(searcher.searched);
        bool found = move == "0000" && legal.Empty();
        for (const notation::Move m : legal) found = found || notation::ToUci(m) == move;
        if (!found) fuzz::Fail("a named move is not legal in the searched position");
    });
    server.Run();
    return 0;
}
