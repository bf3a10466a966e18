#pragma once

#include <functional>
#include <string>
#include <vector>

#include "notation/position.h"
#include "uci/line_queue.h"
#include "uci/searcher.h"

// The engine's side of a UCI session: reads commands from a queue, answers
// through `write`, searches through a Searcher. While a search runs, the
// lines that arrive are looked at through the message pump: "stop" and
// "quit" end the search, "isready" is answered at once; any other line waits
// until the search has answered, and so do all lines after it.
class UciServer {
public:
    using Writer = std::function<void(const std::string&)>;
    UciServer(LineQueue& input, Searcher& searcher, Writer write);
    ~UciServer();
    UciServer(const UciServer&) = delete;
    UciServer& operator=(const UciServer&) = delete;

    // Answers lines until "quit" or the end of the input.
    void Run();
    // Answers one line; false for "quit".
    bool Handle(const std::string& line);

    int Level() const { return level_; }

private:
    // The pump of a running search; true when it took a line.
    bool DispatchDuringSearch();
    // After "go infinite": waits for "stop" or "quit".
    void AwaitStop();
    // Answers a line that may come while searching; false for others.
    bool HandleAtOnce(const std::string& line);
    void Go(const std::vector<std::string>& words);
    void SetOption(const std::vector<std::string>& words);
    void Tell(const std::string& why);

    LineQueue& input_;
    Searcher& searcher_;
    Writer write_;
    notation::Position position_ = notation::StartPosition();
    int level_ = 2;
    int stop_ = 0;
    bool quit_ = false;
    std::vector<std::string> deferred_;
};
