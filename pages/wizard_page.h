// pages/wizard_page.h
#pragma once

#include "pages/dialog.h"
#include "pages/side_picture.h"
#include "resources/resource.h"

// A page in the wizard's frame (resources/wizard_frame.rc), whose side picture it shows scaled
// to the display. The page's own set-up comes in OnInitPage, once the picture is taken over.
class WizardPage : public Dialog {
public:
    using Dialog::Dialog;

protected:
    virtual BOOL OnInitPage() { return TRUE; }

private:
    BOOL OnInitDialog() final {
        sidePicture_.Attach(Item(IDC_SIDE_PICTURE));
        return OnInitPage();
    }

    SidePicture sidePicture_;
};
