// support/library_search_win32.cpp
#include "support/library_search.h"

#include <windows.h>

void LoadLibrariesOnlyFromSystem32() {
    // Looked up: Windows 7 without its update lacks the call.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) {
        return;
    }
    const auto set = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set != nullptr) {
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    // Wine's own uxtheme loads msimg32 by name without regard to the search setting above; once
    // System32's copy is loaded, that name is taken.
    LoadLibraryExA("msimg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Where the setting above is missing, this at least takes the current folder out of the
    // search.
    SetDllDirectoryA("");
}
