// pages/plugin_dir_dialog.h
#pragma once

#include <string>

#include "discovery/host_record.h"
#include "pages/dialog.h"

// Template 175: a host's plug-in directory, typed or picked in the shell's folder browser.
// OK stores the folder the text names, read as Windows reads a path and past any link on the way,
// or refuses the text with the reason; Cancel leaves the record alone.
class PluginDirDialog : public Dialog {
public:
    explicit PluginDirDialog(HostRecord& host);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int notification, HWND control) override;

private:
    void BrowseForDirectory();
    void ShowFields();

    HostRecord& host_;
    std::string applicationName_;
    std::string directoryText_;
};
