// pages/message_box.cpp
#include "pages/message_box.h"

#include <windows.h>

#include "support/program_path.h"

namespace {

BOOL CALLBACK TakeFirstPage(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The page of this thread that is up: its active window, or when another program is in front,
// its topmost visible window that takes input; null when no page is up.
HWND PageOnScreen() {
    HWND page = GetActiveWindow();
    if (page == nullptr) {
        // The thread's windows come in their order on screen, the topmost first.
        EnumThreadWindows(GetCurrentThreadId(), &TakeFirstPage, reinterpret_cast<LPARAM>(&page));
    }
    return page;
}

}  // namespace

std::string ApplicationTitle() {
    std::string name = ThisProgramPath().Bytes();
    // Not found, the separator's place plus one is 0: nothing is erased.
    name.erase(0, name.find_last_of("\\/") + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

int InstallerMessageBox(const char* text, unsigned type) {
    if ((type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    const std::string title = ApplicationTitle();
    // Owned, the page behind cannot start a second question behind the first, nor end itself
    // while the box waits for an answer about it.
    return MessageBoxA(PageOnScreen(), text, title.c_str(), type);
}
