// install/install_plan.cpp
#include "install/install_plan.h"

#include "install/components.h"
#include "install/install_locations.h"
#include "install/shell_application.h"
#include "resources/install_contract.h"

Text SummaryLines(const InstallPlan& plan) {
    Text lines;
    if (plan.installShell) {
        lines.Append(".    TarvelleShell app with plugin\n");
    }
    for (const HostPlugin& host : plan.hostPlugins) {
        lines.Append(".    plugin for ");
        lines.Append(host.displayName.View());
        lines.Append("\n");
    }
    lines.Append("\n");
    return lines;
}

bool CarryOutInstallPlan(const InstallPlan& plan, FailedFileReport& report) {
    using namespace contract;
    bool failed = false;
    if (plan.installShell) {
        if (InstallShellFiles(report)) {
            failed |= !InstallPluginFile(InstallRoot() + kShellPluginFolder, kShellLocationKey,
                                         kShellPluginExtension, report);
        } else {
            failed = true;
        }
    }
    failed |= !InstallPresetsFile(report);
    for (const HostPlugin& host : plan.hostPlugins) {
        failed |=
            !InstallPluginFile(host.directory, host.locationKey, kHostPluginExtension, report);
    }
    return !failed;
}
