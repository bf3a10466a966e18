#pragma once

#include <cstddef>
#include <string>

namespace notation {

// Larger files are refused rather than read.
inline constexpr size_t kMaxPgnFileBytes = 10 * 1024 * 1024;

struct PgnFileReading {
    std::string text;
    std::string error; // empty when the text was read
    explicit operator bool() const { return error.empty(); }
};

PgnFileReading ReadPgnFile(const std::string& path);

} // namespace notation
