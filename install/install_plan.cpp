// install/install_plan.cpp
#include "install/install_plan.h"

#include <string>

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

namespace {

// The later copy of a kind of host keeps the kind's own record; each earlier one gets its place
// among them after a dot, so that every copy is found and removed again.
Text RecordKeyOf(const std::vector<HostPlugin>& hosts, std::size_t index) {
    const Text& key = hosts[index].locationKey;
    std::size_t earlier = 0;
    bool later = false;
    for (std::size_t other = 0; other < hosts.size(); ++other) {
        if (other != index && hosts[other].locationKey == key) {
            earlier += other < index ? 1 : 0;
            later |= other > index;
        }
    }
    return later ? key + ("." + std::to_string(earlier + 1)).c_str() : key;
}

}  // namespace

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
    for (std::size_t index = 0; index < plan.hostPlugins.size(); ++index) {
        failed |=
            !InstallPluginFile(plan.hostPlugins[index].directory,
                               RecordKeyOf(plan.hostPlugins, index), kHostPluginExtension, report);
    }
    return !failed;
}
