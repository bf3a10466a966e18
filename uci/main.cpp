// tavlion-uci: the game's engine library as a UCI engine, for any chess
// program that speaks the protocol on standard input and output.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>

#include "uci/library_searcher.h"
#include "uci/line_queue.h"
#include "uci/uci_server.h"

namespace {

// The library writes its report "!debug.$$$" into the current directory at
// every search. A chess program starts its engines in a folder of its own,
// so the report goes to a private folder instead, removed at the end.
// The folder and its report, kept where a signal handler can reach them.
char folderPath[4096];
char reportPath[4096 + 16];

void LeavePrivateFolder() {
    if (!folderPath[0]) return;
    unlink(reportPath);
    rmdir(folderPath);
}

// A chess program that ends its engine with a signal gets the folder
// removed as after "quit".
extern "C" void OnSignal(int signal) {
    LeavePrivateFolder();
    _exit(128 + signal);
}

void EnterPrivateFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavlion-uci-XXXXXX";
    if (pattern.size() >= sizeof folderPath) return;
    std::strcpy(folderPath, pattern.c_str());
    if (!mkdtemp(folderPath) || chdir(folderPath) != 0) {
        folderPath[0] = 0;
        return;
    }
    std::snprintf(reportPath, sizeof reportPath, "%s/!debug.$$$", folderPath);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, OnSignal);
}

// Longer lines are cut here: no command needs more, and the input must not
// fill the memory.
constexpr size_t kMaxLine = 1 << 20;

// Reads on while a search runs, so that "stop" reaches it.
void ReadInput(LineQueue& input) {
    std::string line;
    for (int c; (c = std::getchar()) != EOF;) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            input.Push(std::move(line));
            line.clear();
        } else if (line.size() < kMaxLine) {
            line += char(c);
        }
    }
    if (!line.empty()) input.Push(std::move(line));
    input.Close();
}

} // namespace

int main() {
    LibrarySearcher searcher;
    if (!searcher.Ready()) {
        std::fprintf(stderr, "tavlion-uci: the engine library \"Engine.dll\" could not be loaded "
                             "(it belongs beside this program)\n");
        return 1;
    }
    EnterPrivateFolder();

    LineQueue input;
    std::thread reader(ReadInput, std::ref(input));
    reader.detach();

    {
        UciServer server(input, searcher, [](const std::string& line) {
            std::fputs((line + "\n").c_str(), stdout);
            std::fflush(stdout);
        });
        server.Run();
    }
    LeavePrivateFolder();
    std::fflush(stdout);
    // The reader may still wait on standard input; it ends with the process.
    std::_Exit(0);
}
