// app/installer_session.h
#pragma once

#include "app/run_state.h"
#include "discovery/host_record.h"
#include "install/failed_file_report.h"
#include "install/install_plan.h"
#include "support/text.h"

class WizardPages;

// The whole state of one run. The state operations talk to each other only through these
// fields and to the user only through the pages; the work itself is done by the operations of
// discovery/ and install/, which report a file they could not write back here.
class InstallerSession : public FailedFileReport {
public:
    // Probes the rights; shows nothing.
    explicit InstallerSession(WizardPages& pages);
    InstallerSession(const InstallerSession&) = delete;
    InstallerSession& operator=(const InstallerSession&) = delete;
    virtual ~InstallerSession();

    // Refuses a user without rights (unless Ctrl is held), runs the state operations until a
    // final state, and shows the closing page.
    void Run();

    // Welcome, licence, choices and the host search.
    void SearchForHosts();
    // The check list of the hosts found, with the "user_selected" line after them.
    void SelectHosts();
    // The "other" host and, if the user wants, a directory of his choice for it.
    void HandleNoHostFound();
    // The summary, the confirmation, then every chosen component in a fixed order.
    void Install();
    Text SummaryLines() const;

    // What Install writes, from the choices and the ticked hosts.
    InstallPlan Plan() const;

    // The thank-you page for Succeeded, the error page for ComponentsFailed, nothing otherwise.
    void ShowClosingPage();

    RunState runState = RunState::Begin;
    bool installShell = false;
    bool searchHosts = false;
    bool isAdministrator;
    Text errors;
    HostList hosts;

private:
    // The box and the error line of a file that could not be written.
    void FileNotWritten(const Text& path) override;

    WizardPages& pages_;
};

// The error page, with the collected failure lines when there are any.
Text ErrorPageText(const Text& errors);
