// pages/host_selection_page.h
#pragma once

#include <functional>
#include <string>

#include "discovery/host_record.h"
#include "pages/check_list_box.h"
#include "pages/wizard_page.h"

// Template 176: a check list of the hosts, "Options..." for the selected line's directory.
// The install flags are written back only on Continue>>.
class HostSelectionPage : public WizardPage {
public:
    // editDirectory opens the plug-in directory dialog for one record.
    HostSelectionPage(HostList& hosts, std::string prompt,
                      std::function<void(HostRecord&)> editDirectory);

protected:
    BOOL OnInitPage() override;
    void OnOK() override;
    bool OnCommand(int id, int notification, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

private:
    HostList* hostList_;
    std::string prompt_;
    std::function<void(HostRecord&)> editDirectory_;
    CheckListBox hostListBox_;
};
