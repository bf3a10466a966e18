#pragma once

#include <optional>
#include <string>
#include <vector>

// The folder holding one folder per sky under the program's directory.
std::string EnvironmentsFolder(const std::string& startupDir);

// The environments, numbered by their place in this list: every entry of
// `folder` (a file counts as well as a folder) except "." and "..", sorted by
// name so the numbers do not depend on the file system's order. Nothing when
// the folder cannot be listed.
std::optional<std::vector<std::string>> ListEnvironments(const std::string& folder);
