#pragma once

#include <string>

namespace platform {

inline constexpr char kPathSeparator = '/';

// The program builds paths with backslashes; this turns them into the
// platform's separators.
std::string NativePath(std::string path);

// The process's current directory, without a trailing separator.
std::string CurrentDirectory();

bool ChangeDirectory(const std::string& path);

// The directory holding the running program.
std::string ExecutableDirectory();

} // namespace platform
