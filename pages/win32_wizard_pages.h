// pages/win32_wizard_pages.h
#pragma once

#include "pages/wizard_pages.h"

// The real pages: dialogs from this executable's templates and system message boxes.
class Win32WizardPages : public WizardPages {
public:
    bool ControlKeyHeld() override;
    int ShowMessagePage(const std::string& text, bool singleButton,
                        const char* cancelCaption) override;
    int ShowMessageBox(const std::string& text, unsigned buttons) override;
    int ShowLicensePage(const std::string& licenseText) override;
    int ShowChoicePage(bool searchAllowed, bool& installShell, bool& searchHosts) override;
    std::unique_ptr<SearchProgress> OpenSearchingPage() override;
    int ShowHostSelectionPage(HostList& hosts, const std::string& prompt) override;
    int ShowPluginDirDialog(HostRecord& host) override;
};
