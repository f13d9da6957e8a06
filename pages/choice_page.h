// pages/choice_page.h
#pragma once

#include "pages/wizard_page.h"

// Template 185: install the shell? search for hosts? The search box is usable only for an
// administrator. The answers are read when Continue>> is pressed.
class ChoicePage : public WizardPage {
public:
    explicit ChoicePage(bool searchAllowed);

    bool installShell = false;
    bool searchHosts = false;

protected:
    BOOL OnInitPage() override;
    void OnOK() override;

private:
    bool searchAllowed_;
};
