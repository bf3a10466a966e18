#pragma once

#include <string>
#include <vector>

#include "platform/child_process.h"

// A program spoken to in UCI by a test: lines out, and the lines it answers
// up to an expected one.
class UciTestClient {
public:
    explicit UciTestClient(const std::string& path, const std::vector<std::string>& args = {});
    bool Running() { return child.Running(); }
    void Send(const std::string& line) { child.Send(line); }
    // The lines up to and including the first that starts with `word`;
    // empty when none came within `timeoutMs`.
    std::vector<std::string> Until(const std::string& word, int timeoutMs = 20000);
    // Sends `line` and answers the lines up to `word`.
    std::vector<std::string> Ask(const std::string& line, const std::string& word,
                                 int timeoutMs = 20000);

    platform::ChildProcess child;
};

// The staged tavlion-uci.
std::string TavlionUciPath();
