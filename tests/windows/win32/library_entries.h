#pragma once

#include <windows.h>

#include <cstdint>

namespace dll_test {

// An entry point of a loaded library by name or by ordinal
// (MAKEINTRESOURCEA), as the caller's function type; null when missing.
template <typename Function> Function Entry(HMODULE library, const char* nameOrOrdinal) {
    const FARPROC found = GetProcAddress(library, nameOrOrdinal);
    // void (*)() converts to any function type without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// Points the library's imports of the C runtime's clock at a clock stopped
// at `second`; the number of imports replaced.
int FreezeClock(HMODULE library, std::int64_t second);

} // namespace dll_test
