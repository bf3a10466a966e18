#include "library_entries.h"

#include <cstring>

namespace dll_test {
namespace {

std::int64_t frozenSecond = 0;

std::int64_t FrozenTime(std::int64_t* out) {
    if (out) *out = frozenSecond;
    return frozenSecond;
}

// The C runtime's names of time() for 64- and 32-bit time values.
bool IsClockImport(const char* name) {
    return std::strcmp(name, "_time64") == 0 || std::strcmp(name, "_time32") == 0 ||
           std::strcmp(name, "time") == 0;
}

template <typename T> T* At(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

} // namespace

int FreezeClock(HMODULE library, std::int64_t second) {
    frozenSecond = second;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(library);
    const auto* nt = At<const IMAGE_NT_HEADERS>(library, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int replaced = 0;
    for (auto* entry = At<const IMAGE_IMPORT_DESCRIPTOR>(library, imports.VirtualAddress);
         entry->Name; ++entry) {
        auto* names = At<const IMAGE_THUNK_DATA>(library, entry->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(library, entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* name = At<const IMAGE_IMPORT_BY_NAME>(
                library, static_cast<DWORD>(names->u1.AddressOfData));
            if (!IsClockImport(reinterpret_cast<const char*>(name->Name))) continue;
            DWORD previous = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                           &previous);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&FrozenTime);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, previous, &previous);
            ++replaced;
        }
    }
    return replaced;
}

} // namespace dll_test
