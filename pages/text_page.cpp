// pages/text_page.cpp
#include "pages/text_page.h"

#include "resources/page_texts.h"
#include "resources/resource.h"

namespace {

// Shared icons belong to the system's cache and are never destroyed by us.
HICON LoadProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TARVELLE),
                                         IMAGE_ICON, GetSystemMetrics(metricX),
                                         GetSystemMetrics(metricY), LR_SHARED));
}

}  // namespace

TextPage::TextPage(std::string text, bool singleButton, int templateId)
    : WizardPage(templateId),
      singleButton_(singleButton),
      text_(std::move(text)),
      largeIcon_(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)) {}

BOOL TextPage::OnInitPage() {
    SetItemText(IDC_PAGE_TEXT, text_.c_str());
    if (singleButton_) {
        SetItemText(IDOK, kOkCaption);
        ShowItem(IDCANCEL, false);
    }
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    return TRUE;
}
