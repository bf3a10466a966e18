#include "app/controller/engine_binding.h"

bool CEngineBinding::Bind(const std::string& name) {
    libraryName = name;
    library = platform::LoadLibrary(name);
    getComputerMove = reinterpret_cast<GetComputerMoveFn>(
        platform::GetProcAddress(library, kGetComputerMoveOrdinal));
    getCurrentState = reinterpret_cast<GetCurrentStateFn>(
        platform::GetProcAddress(library, kGetCurrentStateOrdinal));
    return IsReady();
}
