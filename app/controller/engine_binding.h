#pragma once

#include "engine/engine_api.h"
#include "platform/library.h"

#include <string>

// The engine library, loaded by its file name and bound by ordinal. It
// stays loaded for the life of the process; an entry point that cannot be
// bound is null and must not be called.
class CEngineBinding {
public:
    // Loads `libraryName` and binds both entry points. True when both are bound.
    bool Bind(const std::string& libraryName = kEngineLibraryName);

    bool IsReady() const { return getComputerMove && getCurrentState; }
    const std::string& LibraryName() const { return libraryName; }

    GetComputerMoveFn getComputerMove = nullptr;
    GetCurrentStateFn getCurrentState = nullptr;

private:
    platform::LibraryHandle library = nullptr;
    std::string libraryName = kEngineLibraryName;
};
