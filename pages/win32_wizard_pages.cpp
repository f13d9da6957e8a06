// pages/win32_wizard_pages.cpp
#include "pages/win32_wizard_pages.h"

#include <windows.h>

#include "pages/message_box.h"
#include "pages/choice_page.h"
#include "pages/host_selection_page.h"
#include "pages/license_page.h"
#include "pages/message_page.h"
#include "pages/plugin_dir_dialog.h"
#include "pages/searching_page.h"

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

int Win32WizardPages::ShowLicensePage(const std::string& licenseText) {
    LicensePage page(licenseText);
    return static_cast<int>(page.DoModal());
}

int Win32WizardPages::ShowChoicePage(bool searchAllowed, bool& installShell, bool& searchHosts) {
    ChoicePage page(searchAllowed);
    const int end = static_cast<int>(page.DoModal());
    if (end == IDOK) {
        installShell = page.installShell;
        searchHosts = page.searchHosts;
    }
    return end;
}

std::unique_ptr<SearchProgress> Win32WizardPages::OpenSearchingPage() {
    return std::make_unique<SearchingPage>();
}

int Win32WizardPages::ShowHostSelectionPage(HostList& hosts, const std::string& prompt) {
    HostSelectionPage page(hosts, prompt, [this](HostRecord& host) { ShowPluginDirDialog(host); });
    return static_cast<int>(page.DoModal());
}

int Win32WizardPages::ShowPluginDirDialog(HostRecord& host) {
    PluginDirDialog dialog(host);
    return static_cast<int>(dialog.DoModal());
}
