#include "transcript.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace dll_test {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ShowLineEnds(const std::string& text) {
    std::string shown;
    for (char c : text) shown += c == '\r' ? std::string("\\r") : std::string(1, c);
    return shown;
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    std::istringstream e(expected), a(actual);
    std::string expectedLine, actualLine;
    for (int line = 1;; ++line) {
        const bool moreExpected = static_cast<bool>(std::getline(e, expectedLine));
        const bool moreActual = static_cast<bool>(std::getline(a, actualLine));
        if (!moreExpected && !moreActual) return "the transcripts differ in their last byte";
        if (!moreExpected || !moreActual || expectedLine != actualLine) {
            return "line " + std::to_string(line) +
                   ":\n  expected: " + (moreExpected ? expectedLine : "(end)") +
                   "\n  actual:   " + (moreActual ? actualLine : "(end)");
        }
    }
}

int CompareWithExpected(const std::string& expectedPath, const std::string& actualPath,
                        const std::string& actual) {
    WriteBytes(actualPath, actual);
    const std::string expected = ReadBytes(expectedPath);
    if (expected.empty()) {
        std::printf("no expected transcript in %s\n", expectedPath.c_str());
        return 1;
    }
    const std::string difference = FirstDifference(expected, actual);
    if (!difference.empty()) {
        std::printf("the transcripts differ (%s, %s) at %s\n", expectedPath.c_str(),
                    actualPath.c_str(), difference.c_str());
        return 1;
    }
    std::printf("the transcripts agree (%zu bytes)\n", actual.size());
    return 0;
}

} // namespace dll_test
