// pages/host_selection_page.cpp
#include "pages/host_selection_page.h"

#include "resources/resource.h"

HostSelectionPage::HostSelectionPage(HostList& hosts, std::string prompt,
                                     std::function<void(HostRecord&)> editDirectory)
    : WizardPage(IDD_HOST_SELECTION_PAGE),
      hostList_(&hosts),
      prompt_(std::move(prompt)),
      editDirectory_(std::move(editDirectory)) {}

BOOL HostSelectionPage::OnInitPage() {
    SetItemText(IDC_PAGE_TEXT, prompt_.c_str());
    EnableItem(IDC_HOST_OPTIONS, false);
    hostListBox_.Attach(Item(IDC_HOST_LIST));
    hostListBox_.FitLineHeight();
    for (std::size_t record = 0; record < hostList_->size(); ++record) {
        const HostRecord& host = (*hostList_)[record];
        hostListBox_.AddLine(host.listCaption.CStr(), record, host.install);
    }
    return TRUE;
}

void HostSelectionPage::OnOK() {
    for (int line = 0; line < hostListBox_.LineCount(); ++line) {
        (*hostList_)[hostListBox_.RecordOf(line)].install = hostListBox_.IsChecked(line);
    }
    End(IDOK);
}

bool HostSelectionPage::OnCommand(int id, int notification, HWND) {
    if (id == IDC_HOST_LIST && notification == LBN_SELCHANGE) {
        EnableItem(IDC_HOST_OPTIONS, hostListBox_.Selection() >= 0);
        return true;
    }
    if (id == IDC_HOST_OPTIONS && notification == BN_CLICKED) {
        const int line = hostListBox_.Selection();
        if (line >= 0) {
            editDirectory_((*hostList_)[hostListBox_.RecordOf(line)]);
        }
        return true;
    }
    return false;
}

bool HostSelectionPage::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR* result) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (message == WM_DRAWITEM && item->CtlID == IDC_HOST_LIST) {
        hostListBox_.Draw(*item);
        *result = TRUE;
        return true;
    }
    return false;
}
