// pages/wizard_pages.h
#pragma once

#include <memory>
#include <string>

#include "discovery/host_record.h"
#include "pages/search_progress.h"

// End codes of pages and answers of message boxes, as the window system numbers them.
enum PageEnd : int {
    kPageOk = 1,      // Continue>>, OK, Enter
    kPageCancel = 2,  // Cancel (or its replacement caption), Escape
};
enum BoxAnswer : int {
    kAnswerOk = 1,
    kAnswerYes = 6,
    kAnswerNo = 7,
};
// Message box button sets.
constexpr unsigned kBoxOk = 0x0;
constexpr unsigned kBoxYesNo = 0x4;

// Everything the installer shows goes through here: the Win32 pages implement it, tests script
// it. The run's logic never calls the window system itself.
class WizardPages {
public:
    WizardPages() = default;
    WizardPages(const WizardPages&) = delete;
    WizardPages& operator=(const WizardPages&) = delete;
    virtual ~WizardPages();

    // Whether Ctrl is down right now.
    virtual bool ControlKeyHeld() = 0;
    // Template 181 with text; cancelCaption null keeps "Cancel". Returns the end code.
    virtual int ShowMessagePage(const std::string& text, bool singleButton,
                                const char* cancelCaption) = 0;
    // The installer's standard message box; the answer.
    virtual int ShowMessageBox(const std::string& text, unsigned buttons) = 0;
    // Template 184: the licence and the agree/disagree choice. Returns the end code.
    virtual int ShowLicensePage(const std::string& licenseText) = 0;
    // Template 185. On Continue, the two boxes' states; otherwise both stay false.
    virtual int ShowChoicePage(bool searchAllowed, bool& installShell, bool& searchHosts) = 0;
    // Template 179, on screen until the returned object is destroyed.
    virtual std::unique_ptr<SearchProgress> OpenSearchingPage() = 0;
    // Template 176 over the session's hosts; on Continue each record's install flag is its
    // line's check box. "Options..." opens ShowPluginDirDialog for the selected record.
    virtual int ShowHostSelectionPage(HostList& hosts, const std::string& prompt) = 0;
    // Template 175 for one record; OK stores the confirmed directory in it.
    virtual int ShowPluginDirDialog(HostRecord& host) = 0;
};
