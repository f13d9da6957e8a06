// pages/message_page.h
#pragma once

#include "pages/text_page.h"

// Template 181: one text with Continue>> and Cancel, or the single "OK" button. The Cancel
// caption can be replaced ("Skip" on the no-host page).
class MessagePage : public TextPage {
public:
    MessagePage(std::string text, bool singleButton, const char* cancelCaption);

protected:
    BOOL OnInitPage() override;

private:
    const char* cancelCaption_;
};
