#include "uci_client.h"

#include <chrono>

UciTestClient::UciTestClient(const std::string& path, const std::vector<std::string>& args) {
    child.Start(path, args);
}

std::vector<std::string> UciTestClient::Until(const std::string& word, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::string> lines;
    while (Clock::now() < deadline) {
        std::string line;
        const int left = int(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
        const auto read = child.ReadLine(line, std::max(left, 0));
        if (read != platform::ChildProcess::Read::kLine) break;
        lines.push_back(line);
        if (line.rfind(word, 0) == 0) return lines;
    }
    return {};
}

std::vector<std::string> UciTestClient::Ask(const std::string& line, const std::string& word,
                                            int timeoutMs) {
    Send(line);
    return Until(word, timeoutMs);
}

std::string TavlionUciPath() {
    return TAVLION_STAGE_DIR "/tavlion-uci";
}
