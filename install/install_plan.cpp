// install/install_plan.cpp
#include "app/install_locations.h"
#include "app/installer_session.h"
#include "pages/wizard_pages.h"

Text InstallerSession::SummaryLines() const {
    Text lines;
    if (installShell) {
        lines.Append(".    TarvelleShell app with plugin\n");
    }
    for (const HostRecord& host : hosts) {
        if (host.install) {
            lines.Append(".    plugin for ");
            lines.Append(host.displayName.View());
            lines.Append("\n");
        }
    }
    lines.Append("\n");
    return lines;
}

void InstallerSession::Install() {
    Text confirmation("The installer has all the info it needs to install ");
    confirmation.Append(kProductTitle);
    confirmation.Append(" for the following:\n\n");
    confirmation.Append(SummaryLines().View());
    confirmation.Append(
        "Click 'Continue' to copy the installation files now or 'Cancel' to stop the "
        "installation.");
    if (pages_.ShowMessagePage(confirmation.Bytes(), false, nullptr) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    bool failed = false;
    if (installShell) {
        if (InstallShellApplication()) {
            failed |= !InstallPlugin(InstallRoot() + "plugins\\", "tarvelleshell", "tvplg");
        } else {
            failed = true;
        }
    }
    failed |= !InstallPresets();
    for (const HostRecord& host : hosts) {
        if (host.install) {
            failed |= !InstallPlugin(host.pluginDirectory, host.key, "8bf");
        }
    }
    runState = failed ? RunState::ComponentsFailed : RunState::Succeeded;
}
