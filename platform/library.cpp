#include "platform/library.h"

#include "platform/paths.h"

#include <dlfcn.h>

#include <cstring>
#include <mutex>
#include <strings.h>
#include <unordered_map>

namespace platform {
namespace {

// Export ordinals of the libraries the program loads at run time.
struct OrdinalExport {
    const char* library;
    int ordinal;
    const char* symbol;
};

constexpr OrdinalExport kOrdinalExports[] = {
    {"Engine.dll", 1, "GetComputerMove"},
    {"Engine.dll", 2, "GetCurrentState"},
};

std::mutex namesMutex;

// The folder of this library: the deliverables are staged side by side.
std::string OwnDirectory() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&NativeLibraryName), &info) || !info.dli_fname)
        return {};
    std::string path = info.dli_fname;
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
std::unordered_map<LibraryHandle, std::string> loadedNames;

} // namespace

std::string NativeLibraryName(const std::string& windowsName) {
    std::string base = windowsName;
    if (base.size() > 4 && strcasecmp(base.c_str() + base.size() - 4, ".dll") == 0)
        base.resize(base.size() - 4);
    return "lib" + base + ".so";
}

LibraryHandle LoadLibrary(const std::string& windowsName) {
    const std::string file = NativeLibraryName(windowsName);
    const std::string candidates[] = {CurrentDirectory() + "/" + file,
                                      ExecutableDirectory() + "/" + file,
                                      OwnDirectory() + "/" + file, file};
    for (const auto& path : candidates) {
        if (LibraryHandle handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            std::lock_guard lock(namesMutex);
            loadedNames[handle] = windowsName;
            return handle;
        }
    }
    return nullptr;
}

void* GetProcAddress(LibraryHandle library, int ordinal) {
    if (!library)
        return nullptr;
    std::string name;
    {
        std::lock_guard lock(namesMutex);
        auto it = loadedNames.find(library);
        if (it == loadedNames.end())
            return nullptr;
        name = it->second;
    }
    for (const auto& entry : kOrdinalExports)
        if (entry.ordinal == ordinal && strcasecmp(entry.library, name.c_str()) == 0)
            return dlsym(library, entry.symbol);
    return nullptr;
}

void FreeLibrary(LibraryHandle library) {
    if (!library)
        return;
    {
        std::lock_guard lock(namesMutex);
        loadedNames.erase(library);
    }
    dlclose(library);
}

} // namespace platform
