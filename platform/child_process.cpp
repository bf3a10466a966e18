#include "platform/child_process.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// A line longer than this is cut: a child gone wrong must not fill memory.
constexpr size_t kMaxLine = 1 << 16;

std::vector<char*> Argv(const std::string& path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) return "";
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : "";
    const char* path = std::getenv("PATH");
    std::istringstream dirs(std::string(path ? path : "") + ":/usr/games");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0) return dir + "/" + name;
    return "";
}

ChildProcess::~ChildProcess() {
    Stop();
}

bool ChildProcess::Start(const std::string& path, const std::vector<std::string>& arguments) {
    Stop();
    ended_ = false;
    buffer_.clear();
    if (path.empty() || access(path.c_str(), X_OK) != 0) return false;
    // Not inherited by other children: each must see its own pipes end.
    int toChild[2], fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0) return false;
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]), close(toChild[1]);
        return false;
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
    if (failed) {
        close(toChild[1]), close(fromChild[0]);
        return false;
    }
    // A child that dies must not take this process with it on the next write.
    std::signal(SIGPIPE, SIG_IGN);
    pid_ = pid;
    in_ = toChild[1];
    out_ = fromChild[0];
    return true;
}

bool ChildProcess::Running() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
    pid_ = -1;
    return false;
}

bool ChildProcess::Send(const std::string& line) {
    if (in_ < 0) return false;
    const std::string text = line + "\n";
    size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = write(in_, text.data() + sent, text.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += size_t(n);
    }
    return true;
}

bool ChildProcess::TakeLine(std::string& line) {
    size_t end = buffer_.find('\n');
    if (end == std::string::npos && buffer_.size() >= kMaxLine) end = kMaxLine;
    if (end == std::string::npos && !(ended_ && !buffer_.empty())) return false;
    if (end == std::string::npos) end = buffer_.size();
    line = buffer_.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    buffer_.erase(0, std::min(end + 1, buffer_.size()));
    return true;
}

ChildProcess::Read ChildProcess::ReadLine(std::string& line, int timeoutMs) {
    const int64_t deadline = NowMs() + timeoutMs;
    for (;;) {
        if (TakeLine(line)) return Read::kLine;
        if (ended_ || out_ < 0) return Read::kClosed;
        const int64_t left = timeoutMs < 0 ? -1 : std::max<int64_t>(0, deadline - NowMs());
        pollfd p{out_, POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) return Read::kTimeout;
        char block[4096];
        const ssize_t n = read(out_, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ended_ = true;
        else
            buffer_.append(block, size_t(n));
    }
}

void ChildProcess::CloseInput() {
    if (in_ >= 0) close(in_);
    in_ = -1;
}

void ChildProcess::Stop(int graceMs) {
    CloseInput();
    if (out_ >= 0) close(out_);
    out_ = -1;
    if (pid_ <= 0) return;
    const int64_t deadline = NowMs() + graceMs;
    int status = 0;
    if (graceMs < 0)
        waitpid(pid_, &status, 0);
    else
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (NowMs() >= deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    pid_ = -1;
}

} // namespace platform
