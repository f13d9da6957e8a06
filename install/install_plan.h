// install/install_plan.h
#pragma once

#include <vector>

#include "install/failed_file_report.h"
#include "support/text.h"

// One host's copy of the plug-in: the name the summary shows, where it goes and the key of its
// file-location record.
struct HostPlugin {
    Text displayName;
    Text directory;
    Text locationKey;
};

// What one run installs, in the order it is installed.
struct InstallPlan {
    bool installShell = false;
    std::vector<HostPlugin> hostPlugins;
};

// One line per component for the summary page, and an empty line after them.
Text SummaryLines(const InstallPlan& plan);

// The shell application (and, only when it was installed, its own plug-in copy), the presets,
// then the plug-in into each host. Every component is attempted; false when any failed.
bool CarryOutInstallPlan(const InstallPlan& plan, FailedFileReport& report);
