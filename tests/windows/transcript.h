#pragma once

// What the Linux build and the Windows DLLs answer is written as text, one
// transcript per library, so that the two can be compared line by line.

#include <string>

namespace dll_test {

// A file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);

// Carriage returns shown as "\r", so that line ends are compared too.
std::string ShowLineEnds(const std::string& text);

// Empty when equal; otherwise the first line that differs, with its number.
std::string FirstDifference(const std::string& expected, const std::string& actual);

// Reads the expected transcript, writes the actual one beside it and prints
// what differs: the exit code of a comparing program.
int CompareWithExpected(const std::string& expectedPath, const std::string& actualPath,
                        const std::string& actual);

} // namespace dll_test
