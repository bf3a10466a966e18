#pragma once

#include <string>

namespace platform {

using LibraryHandle = void*;

// Loads a library by its Windows file name ("Engine.dll" is libEngine.so
// here), looked for in the current directory, beside the program, beside the
// platform library (the deliverables are staged together), then
// on the loader's own path. Returns null when it cannot be loaded.
LibraryHandle LoadLibrary(const std::string& windowsName);

// The entry point with the given export ordinal, or null. Ordinals are the
// ones the library's module-definition file gives on Windows.
void* GetProcAddress(LibraryHandle library, int ordinal);

void FreeLibrary(LibraryHandle library);

// "Engine.dll" -> "libEngine.so".
std::string NativeLibraryName(const std::string& windowsName);

} // namespace platform
