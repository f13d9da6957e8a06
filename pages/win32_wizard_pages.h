// pages/win32_wizard_pages.h
#pragma once

#include "pages/wizard_pages.h"

// The real pages: dialogs from this executable's templates and system message boxes.
class Win32WizardPages : public WizardPages {
public:
    bool ControlKeyHeld() override;
    PageEnd ShowMessagePage(const std::string& text, MessagePageForm form) override;
    void ShowMessageBox(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    PageEnd ShowLicensePage(const std::string& licenseText) override;
    ComponentChoice ShowChoicePage(bool searchAllowed) override;
    std::unique_ptr<SearchProgress> OpenSearchingPage() override;
    PageEnd ShowHostSelectionPage(HostList& hosts, const std::string& prompt) override;
    PageEnd ShowPluginDirDialog(HostRecord& host) override;
};
