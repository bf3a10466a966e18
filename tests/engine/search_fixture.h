#pragma once

#include "engine/fast_search.h"
#include "engine/reference_search.h"
#include "engine/search_context.h"
#include "position_fixture.h"

#include <cstdio>
#include <string>

namespace engine_test {

// One search with a fixed clock second, its report captured in memory.
struct SearchRun {
    engine::sEngineMove result;
    std::string report;
    uint64_t nodes = 0;
};

enum class Searcher { kFast, kReference };

// `stopAtPoll` > 0 answers the stop poll of that node with a quit.
SearchRun RunSearch(Searcher searcher, const Position& p, int side, int level,
                    int64_t second = 1000, int stopAtPoll = 0, int remaining = -1, int threads = 1);

std::string ReadFile(const std::string& path);

} // namespace engine_test
