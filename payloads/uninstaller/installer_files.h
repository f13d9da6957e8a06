// payloads/uninstaller/installer_files.h
#pragma once

#include <string>

#include "payloads/uninstaller/file_records.h"

// The product's install folder ("Tarvelle\" below Program Files, ending with "\") when program,
// the uninstaller's own path, is in it; empty otherwise. The folder the uninstaller runs from is
// the only one it trusts: the uninstall entry's "InstallLocation" is the user's to change.
std::string InstallFolderOf(const std::string& program);

// The files the installer writes into the install folder whatever their records say.
std::string ShellFileIn(const std::string& installFolder);
std::string ShellPluginFileIn(const std::string& installFolder);

// What the uninstaller does with a record.
enum class RecordUse {
    // Not a file the installer writes: neither the file nor the record is ours to touch.
    Ignore,
    // A file the installer writes, so that removing it cannot remove anything else: the plug-in
    // by its own name in a folder of a drive of this computer, or the shell's copy of it, or the
    // shell, in the install folder.
    Remove,
    // The plug-in by its own name where the uninstaller does not go (a network path): named as
    // not removed, and its record kept.
    Name,
};
RecordUse UseOf(const FileRecord& record, const std::string& installFolder);

// The location key of a record's value name: "photoshop" for "filelocation.photoshop" and for
// the earlier copies' "filelocation.photoshop.2".
std::string LocationKeyOf(const FileRecord& record);
