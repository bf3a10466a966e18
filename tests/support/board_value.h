#pragma once

#include "board/board.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// The board's value as a game file holds it; empty when it cannot be written.
inline std::string BoardValueText(CBoard& board) {
    char* buffer = nullptr;
    size_t size = 0;
    FILE* file = open_memstream(&buffer, &size);
    if (!file) return {};
    const int written = board.WriteText(file);
    std::fclose(file);
    std::string text = written ? std::string(buffer, size) : std::string();
    std::free(buffer);
    return text;
}
