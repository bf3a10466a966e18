#include "config/file_reader.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

} // namespace

// Reads until the end rather than trusting a size from seeking, which is
// meaningless for directories and special files.
FileRead ReadFileBytes(const char* path, std::string& bytes) {
    bytes.clear();
    if (!path) return FileRead::Missing;
    errno = 0;
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;)
        bytes.append(block, got);
    if (!std::ferror(file.get())) return FileRead::Read;
    bytes.clear();
    return FileRead::Failed;
}
