#pragma once

#include <windows.h>

namespace platform {

// The executable or library this code is linked into: the owner of its
// window classes and resources.
HMODULE ThisModule();

} // namespace platform
