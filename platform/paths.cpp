#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace platform {

std::string NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', kPathSeparator);
    return path;
}

std::string CurrentDirectory() {
    std::error_code ec;
    auto dir = std::filesystem::current_path(ec);
    return ec ? std::string(".") : dir.string();
}

bool ChangeDirectory(const std::string& path) {
    std::error_code ec;
    std::filesystem::current_path(NativePath(path), ec);
    return !ec;
}

std::string ExecutableDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? CurrentDirectory() : exe.parent_path().string();
}

} // namespace platform
