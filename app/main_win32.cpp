// app/main_win32.cpp
#include <windows.h>

#include <commctrl.h>

#include "app/installer_app.h"
#include "pages/win32_wizard_pages.h"

namespace {

// Only the library-search scenario builds without this, to show that it would notice.
#ifndef TVL_WITHOUT_LIBRARY_SEARCH_PROTECTION
// Windows looks for a DLL loaded by name in the executable's folder first, and an installer
// usually sits in a downloads folder full of strangers' files. Restrict the search to System32
// before anything can load a library. The call is looked up because Windows 7 without its
// update lacks it.
void LoadLibrariesOnlyFromSystem32() {
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
    SetDllDirectoryA("");
}
#else
void LoadLibrariesOnlyFromSystem32() {}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LoadLibrariesOnlyFromSystem32();
    // A typed path on an empty card reader or disc drive must fail like any other path, with our
    // message, not stop the run behind the system's "No disk" box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    Win32WizardPages pages;
    InstallerApp app(pages);
    app.InitInstance();
    return 0;
}
