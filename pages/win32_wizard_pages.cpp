// pages/win32_wizard_pages.cpp
#include "pages/win32_wizard_pages.h"

#include <windows.h>

#include "pages/message_box.h"
#include "pages/message_page.h"

bool Win32WizardPages::ControlKeyHeld() {
    // A new process's key state does not know of a key that went down before it started (Wine
    // never reports it); the asynchronous state does.
    const bool held = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    return held || (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

int Win32WizardPages::ShowMessagePage(const std::string& text, bool singleButton,
                                      const char* cancelCaption) {
    MessagePage page(text, singleButton, cancelCaption);
    return static_cast<int>(page.DoModal());
}

int Win32WizardPages::ShowMessageBox(const std::string& text, unsigned buttons) {
    return InstallerMessageBox(text.c_str(), buttons);
}
