#include "output.h"

#include <cstdio>
#include <cstring>

namespace assetgen {

std::string Output::file(const std::filesystem::path& relative) const {
    const std::filesystem::path full = root / relative;
    std::filesystem::create_directories(full.parent_path());
    return full.string();
}

} // namespace assetgen

namespace {

struct Group {
    const char* name;
    bool (*write)(const assetgen::Output&);
};

constexpr Group kGroups[] = {
    {"textures", assetgen::writeTextures},
    {"environment", assetgen::writeEnvironments},
    {"sounds", assetgen::writeSounds},
    {"pictures", assetgen::writePictures},
};

bool selected(const char* name, int argc, char** argv) {
    if (argc <= 2) return true;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s REPOSITORY_ROOT [textures|environment|sounds|pictures]...\n",
                     argv[0]);
        return 2;
    }
    const assetgen::Output out{argv[1]};
    bool ok = true;
    for (const Group& group : kGroups) {
        if (!selected(group.name, argc, argv)) continue;
        std::printf("assetgen: %s\n", group.name);
        std::fflush(stdout);
        ok = group.write(out) && ok;
    }
    return ok ? 0 : 1;
}
