// pages/message_page.cpp
#include "pages/message_page.h"

#include "resources/resource.h"

MessagePage::MessagePage(std::string text, bool singleButton, const char* cancelCaption)
    : TextPage(std::move(text), singleButton, IDD_MESSAGE_PAGE), cancelCaption_(cancelCaption) {}

BOOL MessagePage::OnInitPage() {
    const BOOL result = TextPage::OnInitPage();
    if (cancelCaption_ != nullptr) {
        SetItemText(IDCANCEL, cancelCaption_);
    }
    return result;
}
