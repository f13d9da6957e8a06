// discovery/host_record.h
#pragma once

#include <vector>

#include "support/text.h"

// One place the plug-in may be installed into.
struct HostRecord {
    Text displayName;      // in the summary and the plug-in directory dialog
    Text listCaption;      // the line in the host selection list
    Text pluginDirectory;  // where the plug-in goes; ends with "\" until the user edits it
    Text key;              // location key of the recorded plug-in path; may repeat
    bool install = true;
};

// Only ever appended to during a run; never reordered, merged or shortened.
using HostList = std::vector<HostRecord>;

// Appends a record to be installed; without a caption the list shows the display name.
void AddHost(HostList& hosts, const Text& displayName, const Text& pluginDirectory, const Text& key,
             const Text* listCaption = nullptr);
