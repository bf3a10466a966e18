// tavlion-uci: the game's engine library as a UCI engine, for any chess
// program that speaks the protocol on standard input and output.
#include <cstdio>
#include <cstdlib>
#include <iostream>
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
std::string EnterPrivateFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavlion-uci-XXXXXX";
    if (!mkdtemp(pattern.data()) || chdir(pattern.c_str()) != 0) return "";
    return pattern;
}

void LeavePrivateFolder(const std::string& folder) {
    if (folder.empty()) return;
    std::remove((folder + "/!debug.$$$").c_str());
    rmdir(folder.c_str());
}

} // namespace

int main() {
    LibrarySearcher searcher;
    if (!searcher.Ready()) {
        std::fprintf(stderr, "tavlion-uci: the engine library \"Engine.dll\" could not be loaded "
                             "(it belongs beside this program)\n");
        return 1;
    }
    const std::string folder = EnterPrivateFolder();

    LineQueue input;
    // Reads on while a search runs, so that "stop" reaches it.
    std::thread reader([&input] {
        for (std::string line; std::getline(std::cin, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            input.Push(line);
        }
        input.Close();
    });
    reader.detach();

    {
        UciServer server(input, searcher, [](const std::string& line) {
            std::fputs((line + "\n").c_str(), stdout);
            std::fflush(stdout);
        });
        server.Run();
    }
    LeavePrivateFolder(folder);
    std::fflush(stdout);
    // The reader may still wait on standard input; it ends with the process.
    std::_Exit(0);
}
