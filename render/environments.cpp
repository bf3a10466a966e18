#include "render/environments.h"

#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string EnvironmentsFolder(const std::string& startupDir) {
    return platform::NativePath(startupDir + "\\Environment");
}

std::optional<std::vector<std::string>> ListEnvironments(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
