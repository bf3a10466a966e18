#pragma once

#include <cstdio>

// A C stream that closes itself.
class File {
public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    virtual ~File();

    // fopen-style mode; paths may use backslashes. Closes an earlier stream
    // first. 1 when the stream opened, else 0.
    int Open(const char* name, const char* mode);
    void Close();

    bool IsOpen() const { return stream_ != nullptr; }
    std::FILE* Stream() const { return stream_; }

private:
    std::FILE* stream_ = nullptr;
};
