#pragma once

#include <filesystem>
#include <string>

// Small UCI programs written as shell scripts, each with one way of going
// wrong, in a folder that lives as long as the object.
class FakeEngines {
public:
    FakeEngines();
    ~FakeEngines();
    // A script that answers "uci" and "isready" as it should, runs
    // `onGo` for "go" (with the last "position" line in $pos), and appends
    // every line it reads to Log().
    std::string Make(const std::string& name, const std::string& onGo,
                     const std::string& options = "");
    std::string Log() const;

private:
    std::filesystem::path folder_;
};
