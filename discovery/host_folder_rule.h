// discovery/host_folder_rule.h
#pragma once

#include <cstdint>

#include "discovery/host_record.h"

// Directories the search neither shows nor enters: hidden, system, temporary, offline, and
// the attribute bit 0x20000.
bool IsExcludedFromSearch(std::uint32_t attributes);

// Whether a directory named name (full path fullPath, ending in "\") is a known host's plug-in
// folder. If it is, appends the host and answers false (the folder is not entered); otherwise
// answers true (the search descends).
bool RecogniseHostFolderName(const Text& name, const Text& fullPath, HostList& hosts);

// The whole rule for one directory entry: excluded directories answer false, the rest as
// RecogniseHostFolderName.
bool RecogniseHostFolder(std::uint32_t attributes, const Text& name, const Text& fullPath,
                         HostList& hosts);
