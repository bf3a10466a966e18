#pragma once

#include <string>
#include <vector>

#include "platform/child_process.h"

namespace notation::testing {

// The path of a Debian games tool, found on PATH or in /usr/games; "" when
// it is not installed.
std::string FindTool(const std::string& name);

// A program on the other end of two pipes, spoken to line by line.
class ToolProcess {
public:
    ToolProcess(const std::string& path, const std::vector<std::string>& arguments);
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    bool Running() const { return child_.Started(); }
    void Send(const std::string& line) { child_.Send(line); }
    // The next line without its end; false at the end of the output.
    bool ReadLine(std::string& line) {
        return child_.ReadLine(line, -1) == platform::ChildProcess::Read::kLine;
    }

private:
    platform::ChildProcess child_;
};

// Runs `path` with `arguments`, standard output and error to the files
// given; returns the exit status, or -1 when it could not run.
int RunTool(const std::string& path, const std::vector<std::string>& arguments,
            const std::string& outputFile, const std::string& errorFile);

} // namespace notation::testing
