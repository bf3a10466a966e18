#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

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

    bool Running() const { return pid_ > 0; }
    void Send(const std::string& line);
    // The next line without its end; false at the end of the output.
    bool ReadLine(std::string& line);

private:
    pid_t pid_ = -1;
    int in_ = -1;  // the program's standard input
    int out_ = -1; // its standard output
    std::string buffer_;
};

// Runs `path` with `arguments`, standard output and error to the files
// given; returns the exit status, or -1 when it could not run.
int RunTool(const std::string& path, const std::vector<std::string>& arguments,
            const std::string& outputFile, const std::string& errorFile);

} // namespace notation::testing
