// discovery/host_folder_rule.h
#pragma once

#include "discovery/host_record.h"
#include "support/file_attributes.h"

// What the search does with one directory.
enum class FolderVerdict {
    Excluded,   // hidden, system, temporary, offline or left out of integrity scans: neither
                // shown nor entered
    HostFound,  // a known host's plug-in folder, appended to the hosts: shown, not entered
    Descend,    // anything else: shown and entered
};

// The rule for a directory named name, full path fullPath (ending in "\"), with its attributes.
// A folder whose name begins with "plug" and whose lower-cased path names a known host is that
// host's plug-in folder.
FolderVerdict RecogniseHostFolder(const FileAttributes& attributes, const Text& name,
                                  const Text& fullPath, HostList& hosts);
