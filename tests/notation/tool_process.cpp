#include "tool_process.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace notation::testing {

namespace {

bool Executable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

std::vector<char*> Argv(const std::string& path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

int Wait(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::string FindTool(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(std::string(path ? path : "") + ":/usr/games");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && Executable(dir + "/" + name)) return dir + "/" + name;
    return "";
}

ToolProcess::ToolProcess(const std::string& path, const std::vector<std::string>& arguments) {
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0) return;
    if (pipe(fromChild) != 0) {
        close(toChild[0]), close(toChild[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    std::vector<char*> argv = Argv(path, arguments);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
    if (!failed) pid_ = pid;
    // A program that dies early must not take the test with it.
    std::signal(SIGPIPE, SIG_IGN);
}

ToolProcess::~ToolProcess() {
    if (in_ >= 0) close(in_);
    if (out_ >= 0) close(out_);
    if (pid_ > 0) Wait(pid_);
}

void ToolProcess::Send(const std::string& line) {
    const std::string text = line + "\n";
    size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = write(in_, text.data() + sent, text.size() - sent);
        if (n <= 0) return;
        sent += size_t(n);
    }
}

bool ToolProcess::ReadLine(std::string& line) {
    for (;;) {
        const size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            line = buffer_.substr(0, end);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            buffer_.erase(0, end + 1);
            return true;
        }
        char block[4096];
        const ssize_t n = read(out_, block, sizeof block);
        if (n <= 0) return false;
        buffer_.append(block, size_t(n));
    }
}

int RunTool(const std::string& path, const std::vector<std::string>& arguments,
            const std::string& outputFile, const std::string& errorFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<char*> argv = Argv(path, arguments);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : Wait(pid);
}

} // namespace notation::testing
