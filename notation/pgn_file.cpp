#include "notation/pgn_file.h"

#include <cstdio>
#include <memory>

namespace notation {

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

} // namespace

// The size is found by reading, so that a file growing meanwhile cannot slip
// past the limit.
PgnFileReading ReadPgnFile(const std::string& path) {
    PgnFileReading reading;
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        reading.error = "The file \"" + path + "\" cannot be opened";
        return reading;
    }
    char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) {
        if (reading.text.size() + got > kMaxPgnFileBytes) {
            reading.text.clear();
            reading.error = "The file \"" + path +
                            "\" is larger than 10 MB; games are imported from smaller files only";
            return reading;
        }
        reading.text.append(block, got);
    }
    if (std::ferror(file.get())) {
        reading.text.clear();
        reading.error = "The file \"" + path + "\" cannot be read";
    }
    return reading;
}

} // namespace notation
