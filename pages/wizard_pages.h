// pages/wizard_pages.h
#pragma once

#include <memory>
#include <string>

#include "discovery/host_record.h"
#include "discovery/search_progress.h"

// How a page ended, numbered as the window system numbers a dialog's end. A page may end with
// another number (a closed window, a failed dialog): the flows treat that as neither.
enum PageEnd : int {
    kPageOk = 1,      // Continue>>, OK, Enter
    kPageCancel = 2,  // Cancel (or its replacement caption), Escape
};

// The buttons of template 181.
enum class MessagePageForm {
    ContinueOrCancel,
    ContinueOrSkip,  // the no-host page: Cancel's caption reads "Skip"
    OkOnly,
};

// The choice page's end and, on Continue, its two boxes; both stay false otherwise.
struct ComponentChoice {
    PageEnd end = kPageCancel;
    bool installShell = false;
    bool searchHosts = false;
};

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
    // Template 181 with text.
    virtual PageEnd ShowMessagePage(const std::string& text, MessagePageForm form) = 0;
    // The installer's standard message box with an OK button.
    virtual void ShowMessageBox(const std::string& text) = 0;
    // The standard message box with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    // Template 184: the licence and the agree/disagree choice.
    virtual PageEnd ShowLicensePage(const std::string& licenseText) = 0;
    // Template 185.
    virtual ComponentChoice ShowChoicePage(bool searchAllowed) = 0;
    // Template 179, on screen until the returned object is destroyed.
    virtual std::unique_ptr<SearchProgress> OpenSearchingPage() = 0;
    // Template 176 over the session's hosts; on Continue each record's install flag is its
    // line's check box. "Options..." opens ShowPluginDirDialog for the selected record.
    virtual PageEnd ShowHostSelectionPage(HostList& hosts, const std::string& prompt) = 0;
    // Template 175 for one record; OK stores the confirmed directory in it.
    virtual PageEnd ShowPluginDirDialog(HostRecord& host) = 0;
};
