// install/components.h
#pragma once

#include "install/failed_file_report.h"
#include "support/text.h"

// The plug-in as the file target (its folder made if missing), with its file-location record
// under locationKey, written whether or not the file was. True when the file was written.
bool InstallPluginFile(const Text& target, const Text& locationKey, FailedFileReport& report);

// The presets file in the install folder's "presets\" folder. True when written.
bool InstallPresetsFile(FailedFileReport& report);
