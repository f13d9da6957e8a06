// install/uninstall_entry.h
#pragma once

#include "support/text.h"

// Registers the uninstaller in directory (ending with "\") with the system's list of installed
// programs, for the current user. Failures are not reported: the entry is a convenience.
void RegisterUninstallEntry(const Text& directory);
