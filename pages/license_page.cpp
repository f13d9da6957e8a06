// pages/license_page.cpp
#include "pages/license_page.h"

#include "resources/resource.h"

LicensePage::LicensePage(std::string licenseText)
    : WizardPage(IDD_LICENSE_PAGE), licenseText_(std::move(licenseText)) {}

BOOL LicensePage::OnInitPage() {
    CheckRadioButton(Window(), IDC_AGREE, IDC_DISAGREE,
                     agreementChoice_ == 0 ? IDC_AGREE : IDC_DISAGREE);
    EnableItem(IDOK, false);
    HWND edit = Item(IDC_LICENSE_TEXT);
    // The default limit of an edit control would cut a long licence short.
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(licenseText_.c_str()));
    return TRUE;
}

bool LicensePage::OnCommand(int id, int notification, HWND) {
    if (notification != BN_CLICKED || (id != IDC_AGREE && id != IDC_DISAGREE)) {
        return false;
    }
    agreementChoice_ = id == IDC_AGREE ? 0 : 1;
    EnableItem(IDOK, id == IDC_AGREE);
    return true;
}

bool LicensePage::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR* result) {
    // A read-only edit asks for the dialog's face colour; the licence reads better on the
    // window colour, and a selection is dropped whenever the text is drawn again.
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Item(IDC_LICENSE_TEXT)) {
        SendMessageA(Item(IDC_LICENSE_TEXT), EM_SETSEL, static_cast<WPARAM>(-1), 0);
        *result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    return false;
}
