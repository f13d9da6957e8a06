// install/file_location_record.h
#pragma once

#include "support/text.h"

// Records where a component's file went, for the uninstaller: the value "filelocation." plus
// locationKey, holding path, in the component's key below HKEY_CURRENT_USER. True when written.
bool WriteFileLocationRecord(const Text& path, const Text& component, const Text& locationKey);
