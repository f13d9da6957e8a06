// pages/text_page.h
#pragma once

#include <string>

#include "pages/wizard_page.h"

// A wizard page that shows one text in control 1001. In the one-button form Continue>> reads
// "OK" and Cancel is hidden (Escape still cancels).
class TextPage : public WizardPage {
public:
    TextPage(std::string text, bool singleButton, int templateId);

protected:
    BOOL OnInitPage() override;

private:
    bool singleButton_;
    std::string text_;
    HICON largeIcon_;
    HICON smallIcon_;
};
