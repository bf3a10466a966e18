#include "app/controller/engine_binding.h"

#include "engines/outside_entry.h"

CEngineBinding::~CEngineBinding() {
    engines::BindOutsideEngine(nullptr, nullptr, nullptr);
}

bool CEngineBinding::Bind(const std::string& name) {
    libraryName = name;
    library = platform::LoadLibrary(name);
    getComputerMove = reinterpret_cast<GetComputerMoveFn>(
        platform::GetProcAddress(library, kGetComputerMoveOrdinal));
    getCurrentState = reinterpret_cast<GetCurrentStateFn>(
        platform::GetProcAddress(library, kGetCurrentStateOrdinal));
    BindOutside();
    return IsReady();
}

void CEngineBinding::UseOutsideEngine(const engines::OutsideEngineSettings* settings) {
    outside = settings;
    BindOutside();
}

void CEngineBinding::BindOutside() {
    engines::BindOutsideEngine(&opponent, outside, getComputerMove);
}

GetComputerMoveFn CEngineBinding::ComputerMove() const {
    if (getComputerMove && outside && outside->UsesOutsideEngine())
        return &engines::OutsideComputerMove;
    return getComputerMove;
}
