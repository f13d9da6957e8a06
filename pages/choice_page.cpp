// pages/choice_page.cpp
#include "pages/choice_page.h"

#include "resources/resource.h"

ChoicePage::ChoicePage(bool searchAllowed)
    : WizardPage(IDD_CHOICE_PAGE), searchAllowed_(searchAllowed) {}

BOOL ChoicePage::OnInitPage() {
    if (searchAllowed_) {
        CheckButton(IDC_SEARCH_HOSTS, true);
    } else {
        EnableItem(IDC_SEARCH_HOSTS, false);
    }
    CheckButton(IDC_INSTALL_SHELL, true);
    return TRUE;
}

void ChoicePage::OnOK() {
    installShell = IsButtonChecked(IDC_INSTALL_SHELL);
    searchHosts = IsButtonChecked(IDC_SEARCH_HOSTS);
    End(IDOK);
}
