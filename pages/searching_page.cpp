// pages/searching_page.cpp
#include "pages/searching_page.h"

#include "pages/message_box.h"
#include "resources/resource.h"

std::int32_t progressCallCount = 0;

SearchingPage::SearchingPage() : Dialog(IDD_SEARCHING_PAGE) {
    CreateModeless();
}

SearchingPage::~SearchingPage() = default;

void SearchingPage::WriteLine(const char* line) {
    SetItemText(IDC_SEARCH_PROGRESS, line);
    const std::int32_t taken = progressCallCount++;
    if (taken < 8) {
        return;
    }
    progressCallCount = 0;
    MSG message{};
    if (Window() != nullptr && PeekMessageA(&message, Window(), 0, 0, PM_REMOVE)) {
        // Through the dialog manager first, so that Escape reaches Cancel as on any page.
        if (!IsDialogMessageA(Window(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void SearchingPage::OnCancel() {
    if (InstallerMessageBox("Are you sure you want to quit?", MB_YESNO) == IDYES) {
        cancelRequested = 1;
    }
}
