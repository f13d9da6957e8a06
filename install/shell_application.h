// install/shell_application.h
#pragma once

#include "install/failed_file_report.h"

// The shell and the uninstaller into the install directory, the shell's file-location record,
// its two shortcuts and the uninstall entry. False as soon as either program cannot be written;
// the shortcuts and the entry are conveniences whose failures are not reported.
bool InstallShellFiles(FailedFileReport& report);
