// discovery/host_folder_rule.h
#pragma once

#include <cstdint>

#include "discovery/host_record.h"

// What the search does with one directory.
enum class FolderVerdict {
    Excluded,   // hidden, system, temporary, offline or with the attribute bit 0x20000: neither
                // shown nor entered
    HostFound,  // a known host's plug-in folder, appended to the hosts: shown, not entered
    Descend,    // anything else: shown and entered
};

// The rule for a directory named name, full path fullPath (ending in "\"), with its attributes.
// A folder whose name begins with "plug" and whose lower-cased path names a known host is that
// host's plug-in folder.
FolderVerdict RecogniseHostFolder(std::uint32_t attributes, const Text& name, const Text& fullPath,
                                  HostList& hosts);
