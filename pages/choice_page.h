// pages/choice_page.h
#pragma once

#include "pages/dialog.h"

// Template 185: install the shell? search for hosts? The search box is usable only for an
// administrator. The answers are read when Continue>> is pressed.
class ChoicePage : public Dialog {
public:
    explicit ChoicePage(bool searchAllowed);

    bool installShell = false;
    bool searchHosts = false;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    bool searchAllowed_;
};
