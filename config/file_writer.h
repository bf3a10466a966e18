#pragma once

#include <cstdio>
#include <functional>

// Opens and closes the files a document is saved to. Saving goes through this
// interface so that a test can stand in a file whose writes or close fail.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // A stream for writing bytes unchanged, or null.
    virtual FILE* Open(const char* path);
    // Flushes the stream to the disk and closes it; false when anything
    // written did not reach the disk.
    virtual bool Close(FILE* file);
};

FileWriter& DefaultFileWriter();

// Gives the file `path` the bytes `write` puts into the stream, or leaves its
// old content alone: the bytes go to a temporary file beside it, which
// replaces the old file only when every write, the flush and the close
// succeeded. True on success.
bool ReplaceFile(const char* path, FileWriter& writer, const std::function<bool(FILE*)>& write);
