#pragma once

#include <string>

// Builds every embedded mesh and writes them as C++ tables.
void WriteMeshTables(const std::string& path);
