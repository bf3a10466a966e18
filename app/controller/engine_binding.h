#pragma once

#include "engine/engine_api.h"
#include "engines/outside_settings.h"
#include "engines/uci_opponent.h"
#include "platform/library.h"

#include <string>

// The engine library, loaded by its file name and bound by ordinal, and the
// outside UCI program that may play the computer's side instead. The
// library stays loaded for the life of the process; an entry point that
// cannot be bound is null and must not be called.
class CEngineBinding {
public:
    ~CEngineBinding();

    // Loads `libraryName` and binds both entry points. True when both are bound.
    bool Bind(const std::string& libraryName = kEngineLibraryName);
    // The settings that say whether an outside program plays, and which;
    // they must outlive the binding (null: the library alone).
    void UseOutsideEngine(const engines::OutsideEngineSettings* settings);

    bool IsReady() const { return getComputerMove && getCurrentState; }
    const std::string& LibraryName() const { return libraryName; }

    // The computer's move: the outside program's while one is chosen (the
    // library's when it fails), else the library's. Null without the library.
    GetComputerMoveFn ComputerMove() const;

    GetComputerMoveFn getComputerMove = nullptr;
    GetCurrentStateFn getCurrentState = nullptr;

private:
    void BindOutside();

    platform::LibraryHandle library = nullptr;
    std::string libraryName = kEngineLibraryName;
    const engines::OutsideEngineSettings* outside = nullptr;
    engines::UciOpponent opponent;
};
