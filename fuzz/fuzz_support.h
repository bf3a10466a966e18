#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "board/board.h"
#include "support/stub_board_services.h"

namespace fuzz {

// A controller stand-in for a board that only reads and browses games: one
// player, no engine, no network, and no presentation.
struct CQuietServices : CStubBoardServices {
    float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    CQuietServices() {
        playerMode = 0;
        boardMatrix = identity;
    }
    CQuietServices(const CQuietServices&) = delete;
    CQuietServices& operator=(const CQuietServices&) = delete;
};

// A board with its own services and move table.
struct CQuietBoard {
    CQuietServices services;
    CMoveTable moves;
    CBoard board{services, moves};
};

// The loaders read files, so the input goes into a file of this process
// (on a memory file system when there is one). `tag` tells files apart.
std::string WriteInputFile(const uint8_t* data, size_t size, const char* tag);

// Message boxes answer at once and print nothing.
void SilenceMessageBoxes();

// The board's game-file text, as WriteText writes it.
std::string BoardText(CBoard& board);

// A property the input broke: prints it and aborts, which the fuzzer reports.
[[noreturn]] void Fail(const char* what);

} // namespace fuzz
