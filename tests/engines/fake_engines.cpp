#include "fake_engines.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

FakeEngines::FakeEngines() {
    static int counter = 0;
    folder_ = fs::temp_directory_path() /
              ("fake-engines-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    fs::create_directories(folder_);
}

FakeEngines::~FakeEngines() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string FakeEngines::Make(const std::string& name, const std::string& onGo,
                              const std::string& options) {
    const fs::path path = folder_ / name;
    std::ofstream(path) << "#!/bin/sh\n"
                           "while read -r line; do\n"
                           "  echo \"$line\" >> '"
                        << (folder_ / "log").string()
                        << "'\n"
                           "  case \"$line\" in\n"
                           "    uci) echo 'id name "
                        << name << "'; " << (options.empty() ? "" : options + "; ")
                        << "echo uciok;;\n"
                           "    isready) echo readyok;;\n"
                           "    position*) pos=$line;;\n"
                           "    go*) "
                        << onGo
                        << ";;\n"
                           "    quit) exit 0;;\n"
                           "  esac\n"
                           "done\n";
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
}

std::string FakeEngines::Log() const {
    std::ifstream in(folder_ / "log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
