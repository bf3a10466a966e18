#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// The path of a program found on PATH or in /usr/games (where Debian puts
// chess engines and tools); "" when there is none.
std::string FindProgram(const std::string& name);

// A program on the other end of two pipes, spoken to line by line: its
// standard input and output; its standard error goes where ours goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `path`; false when it cannot be run. A running child is ended first.
    bool Start(const std::string& path, const std::vector<std::string>& arguments = {});
    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    // Whether the child has not exited yet.
    bool Running();

    // False when the child no longer reads.
    bool Send(const std::string& line);

    enum class Read { kLine, kTimeout, kClosed };
    // The next line without its end, waiting up to `timeoutMs` (0: only
    // what is there already, negative: as long as it takes). kClosed once
    // the output has ended and every line was read.
    Read ReadLine(std::string& line, int timeoutMs);

    // Closes its input, waits up to `graceMs` for it to exit (negative: as
    // long as it takes), then kills it.
    void Stop(int graceMs = 0);

private:
    bool TakeLine(std::string& line);
    void CloseInput();

    pid_t pid_ = -1;
    int in_ = -1;  // the child's standard input
    int out_ = -1; // its standard output
    bool ended_ = false;
    std::string buffer_;
};

} // namespace platform
