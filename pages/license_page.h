// pages/license_page.h
#pragma once

#include <string>

#include "pages/wizard_page.h"

// Template 184. Continue>> is enabled only while "I Agree" is checked. The licence is drawn on
// the window colour and a selection never stays.
class LicensePage : public WizardPage {
public:
    explicit LicensePage(std::string licenseText);

protected:
    BOOL OnInitPage() override;
    bool OnCommand(int id, int notification, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

private:
    std::string licenseText_;
    std::int32_t agreementChoice_ = 1;  // 0 agree, 1 disagree
};
