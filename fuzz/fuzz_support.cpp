#include "fuzz/fuzz_support.h"

#include "platform/message_box.h"
#include "support/board_value.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace fuzz {
namespace {

// The input files go when the fuzzer exits.
struct CInputFiles {
    std::vector<std::string> paths;
    ~CInputFiles() {
        for (const std::string& path : paths) std::remove(path.c_str());
    }
};

} // namespace

std::string WriteInputFile(const uint8_t* data, size_t size, const char* tag) {
    static const std::string directory = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const std::string path = directory + "/tavlion-fuzz-" + std::to_string(getpid()) + "-" + tag;
    static CInputFiles files;
    if (std::find(files.paths.begin(), files.paths.end(), path) == files.paths.end())
        files.paths.push_back(path);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) Fail("cannot write the input file");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) Fail("cannot write the input file");
    return path;
}

void SilenceMessageBoxes() {
    platform::SetMessageBoxHandler([](const std::string&, const std::string&, int buttons) {
        return buttons == platform::kYesNo ? platform::kIdNo : platform::kIdOk;
    });
}

std::string BoardText(CBoard& board) {
    std::string text = BoardValueText(board);
    if (text.empty()) Fail("WriteText failed on a memory stream");
    return text;
}

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

} // namespace fuzz
