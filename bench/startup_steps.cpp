// bench/startup_steps.cpp
// Where the installer's start-up goes: the steps of its WinMain up to the visible welcome page,
// each timed from the moment the process was created. The libraries the installer loads at its
// first call into them are loaded here one by one beforehand, so that each shows its own cost.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "install/admin_rights.h"
#include "pages/message_page.h"
#include "pages/side_picture.h"

namespace {

double Since(ULONGLONG start) {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<double>(ticks - start) / 10000.0;
}

ULONGLONG ProcessCreation() {
    FILETIME created{};
    FILETIME unused{};
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const ULONGLONG start = ProcessCreation();
    double last = Since(start);
    const auto step = [&](const char* name) {
        const double now = Since(start);
        std::printf("%-34s %7.1f ms (at %7.1f ms)\n", name, now - last, now);
        last = now;
    };
    std::printf("%-34s %7.1f ms\n", "process created to WinMain", last);
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    LoadLibraryExA("msimg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    step("library search limited, msimg32");
    StartDecodingSidePicture();
    step("side picture's decoding started");
    for (const char* library :
         {"user32.dll", "gdi32.dll", "advapi32.dll", "comctl32.dll", "shell32.dll", "ole32.dll"}) {
        LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        step(library);
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    step("common controls 6 initialised");
    HasAdminRights();
    step("rights probe");
    MessagePage page("Welcome", false, nullptr);
    step("page object (icons)");
    page.CreateModeless();
    step("dialog created, picture waited for");
    ShowWindow(page.Window(), SW_SHOW);
    UpdateWindow(page.Window());
    step("dialog shown and painted");
    std::fflush(stdout);
    return 0;
}
