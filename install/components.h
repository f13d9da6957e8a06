// install/components.h
#pragma once

#include "install/failed_file_report.h"
#include "support/text.h"

// The plug-in into directory (made if missing), named after extension, with its file-location
// record under locationKey, written whether or not the file was. True when the file was written.
bool InstallPluginFile(const Text& directory, const Text& locationKey, const Text& extension,
                       FailedFileReport& report);

// The presets file in the install directory's "presets\" folder. True when written.
bool InstallPresetsFile(FailedFileReport& report);
