#pragma once

#include <string>

#include "engine/engine_api.h"
#include "uci/searcher.h"

// The engine library's search behind the Searcher interface: the position
// goes to GetComputerMove as figure records and rights words, and its
// answer comes back as a move of the standard rules.
//
// The library's rules differ from the standard ones (a castling after the
// rook has left its corner and come back, a move into check when every move
// is one), and a UCI engine must never name an illegal move. When its
// choice is not legal here, the move played is the first legal one in the
// ranking of root moves the library writes to its report "!debug.$$$";
// without one, the first legal move.
class LibrarySearcher final : public Searcher {
public:
    // Loads the library by name (platform::LoadLibrary). The report is read
    // from the current directory, where the library writes it.
    explicit LibrarySearcher(const std::string& libraryName = kEngineLibraryName);
    // Searches through an entry point already at hand.
    explicit LibrarySearcher(GetComputerMoveFn entry) : computerMove_(entry) {}
    bool Ready() const { return computerMove_ != nullptr; }

    SearchResult Search(const notation::Position& position, int level, int* stop) override;

private:
    GetComputerMoveFn computerMove_ = nullptr;
};
