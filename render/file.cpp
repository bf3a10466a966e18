#include "render/file.h"

#include "platform/paths.h"

#include <string>

File::~File() {
    Close();
}

int File::Open(const char* name, const char* mode) {
    Close();
    if (!name || !mode) return 0;
    stream_ = std::fopen(platform::NativePath(name).c_str(), mode);
    return stream_ ? 1 : 0;
}

void File::Close() {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
}
