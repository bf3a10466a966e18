#include "search_fixture.h"

#include <fstream>
#include <sstream>

namespace engine_test {

SearchRun RunSearch(Searcher searcher, const Position& p, int side, int level, int64_t second,
                    int stopAtPoll, int remaining, int threads) {
    engine::SearchContext ctx;
    ctx.engineColor = side;
    ctx.depth = level + 2;
    ctx.clockSecond = [second] { return second; };
    ctx.threads = threads;
    int polls = 0;
    ctx.stopRequested = [&polls, stopAtPoll] { return ++polls == stopAtPoll; };
    std::FILE* log = std::tmpfile();
    ctx.log = log;
    const int plies = remaining < 0 ? ctx.depth : remaining;
    SearchRun run;
    run.result = searcher == Searcher::kFast
                     ? engine::SearchMoves(p.list, side, plies, p.rules, ctx)
                     : engine::ReferenceSearchMoves(p.list, side, plies, p.rules, ctx);
    run.nodes = ctx.nodes;
    std::rewind(log);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, log)) > 0;)
        run.report.append(buffer, n);
    std::fclose(log);
    return run;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace engine_test
