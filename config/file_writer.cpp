#include "config/file_writer.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

FILE* FileWriter::Open(const char* path) {
    return std::fopen(path, "wb");
}

bool FileWriter::Close(FILE* file) {
    bool ok = std::fflush(file) == 0 && !std::ferror(file);
    ok = ::fsync(fileno(file)) == 0 && ok;
    return std::fclose(file) == 0 && ok;
}

FileWriter& DefaultFileWriter() {
    static FileWriter writer;
    return writer;
}

bool ReplaceFile(const char* path, FileWriter& writer, const std::function<bool(FILE*)>& write) {
    const std::string temporary = std::string(path) + ".tmp";
    FILE* file = writer.Open(temporary.c_str());
    if (!file) return false;
    bool ok = write(file);
    ok = writer.Close(file) && ok;
    std::error_code error;
    if (ok) std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
