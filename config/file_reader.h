#pragma once

#include <string>

enum class FileRead {
    Read,    // the bytes are all there (perhaps none)
    Missing, // nothing of that name
    Failed,  // something is there but could not be read: no permission, a folder, an I/O error
};

// Reads the whole file `path` into `bytes`. A null path is a missing file.
FileRead ReadFileBytes(const char* path, std::string& bytes);
