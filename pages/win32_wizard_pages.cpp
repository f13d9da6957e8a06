// pages/win32_wizard_pages.cpp
#include "pages/win32_wizard_pages.h"

#include <windows.h>

#include "pages/choice_page.h"
#include "pages/host_selection_page.h"
#include "pages/license_page.h"
#include "pages/message_box.h"
#include "pages/message_page.h"
#include "pages/plugin_dir_dialog.h"
#include "pages/searching_page.h"
#include "resources/page_texts.h"

bool Win32WizardPages::ControlKeyHeld() {
    // A new process's key state does not know of a key that went down before it started (Wine
    // never reports it); the asynchronous state does.
    const bool held = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    return held || (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

PageEnd Win32WizardPages::ShowMessagePage(const std::string& text, MessagePageForm form) {
    MessagePage page(text, form == MessagePageForm::OkOnly,
                     form == MessagePageForm::ContinueOrSkip ? kSkipCaption : nullptr);
    return static_cast<PageEnd>(page.DoModal());
}

void Win32WizardPages::ShowMessageBox(const std::string& text) {
    InstallerMessageBox(text.c_str(), MB_OK);
}

bool Win32WizardPages::AskYesNo(const std::string& question) {
    return InstallerMessageBox(question.c_str(), MB_YESNO) == IDYES;
}

PageEnd Win32WizardPages::ShowLicensePage(const std::string& licenseText) {
    LicensePage page(licenseText);
    return static_cast<PageEnd>(page.DoModal());
}

ComponentChoice Win32WizardPages::ShowChoicePage(bool searchAllowed) {
    ChoicePage page(searchAllowed);
    ComponentChoice choice;
    choice.end = static_cast<PageEnd>(page.DoModal());
    if (choice.end == kPageOk) {
        choice.installShell = page.installShell;
        choice.searchHosts = page.searchHosts;
    }
    return choice;
}

std::unique_ptr<SearchProgress> Win32WizardPages::OpenSearchingPage() {
    return std::make_unique<SearchingPage>();
}

PageEnd Win32WizardPages::ShowHostSelectionPage(HostList& hosts, const std::string& prompt) {
    HostSelectionPage page(hosts, prompt, [this](HostRecord& host) { ShowPluginDirDialog(host); });
    return static_cast<PageEnd>(page.DoModal());
}

PageEnd Win32WizardPages::ShowPluginDirDialog(HostRecord& host) {
    PluginDirDialog dialog(host);
    return static_cast<PageEnd>(dialog.DoModal());
}
