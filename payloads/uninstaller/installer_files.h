// payloads/uninstaller/installer_files.h
#pragma once

#include <string>

#include "payloads/uninstaller/file_records.h"

// The product's install folder ("Tarvelle\" below Program Files, ending with "\") when program,
// the uninstaller's own path, is in it; empty otherwise. The folder the uninstaller runs from is
// the only one it trusts: the uninstall entry's "InstallLocation" is the user's to change.
std::string InstallFolderOf(const std::string& program);

// Whether record names a file the installer writes, so that removing it cannot remove anything
// else: the plug-in by its own name in a host's plug-in folder, or the shell's copy of it, or the
// shell, in the install folder.
bool IsInstallerFile(const FileRecord& record, const std::string& installFolder);
