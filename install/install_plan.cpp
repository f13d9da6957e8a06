// install/install_plan.cpp
#include "install/install_plan.h"

#include "install/components.h"
#include "install/shell_application.h"
#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "resources/page_texts.h"

Text SummaryLines(const InstallPlan& plan) {
    Text lines;
    if (plan.installShell) {
        lines.Append(kShellSummaryLine);
    }
    for (const HostPlugin& host : plan.hostPlugins) {
        lines.Append(kHostSummaryLineStart);
        lines.Append(host.displayName.View());
        lines.Append("\n");
    }
    lines.Append("\n");
    return lines;
}

namespace {

// The later copy of a kind of host keeps the kind's own record; each earlier one a record of its
// own, so that every copy is found and removed again.
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
    return later ? Text(EarlierCopyKey(key.View(), earlier + 1)) : key;
}

}  // namespace

bool CarryOutInstallPlan(const InstallPlan& plan, FailedFileReport& report) {
    // The shell's plug-in copy goes only beside a shell that was written.
    bool failed = plan.installShell && (!InstallShellFiles(report) ||
                                        !InstallPluginFile(Text(ShellPluginFileIn(InstallFolder())),
                                                           contract::kShellLocationKey, report));
    failed |= !InstallPresetsFile(report);
    for (std::size_t index = 0; index < plan.hostPlugins.size(); ++index) {
        failed |=
            !InstallPluginFile(Text(HostPluginFileIn(plan.hostPlugins[index].directory.Bytes())),
                               RecordKeyOf(plan.hostPlugins, index), report);
    }
    return !failed;
}
