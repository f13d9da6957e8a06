// resources/install_layout.h
// Where the installer puts each file, how it records it and which are its own; the uninstaller
// and the shell find them by the same. Names are in install_contract.h; folders end with "\".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "resources/install_contract.h"

// "Tarvelle\" below the Program Files folder as the installer finds it (fallbacks included).
std::string InstallFolder();
// The plug-in folder of hosts added by hand: "plugins\" directly below Program Files.
std::string DefaultPluginFolder();
// The file whose creation in Program Files is the installer's only test of the user's rights.
std::string RightsProbeFile();
// The install folder when program is in it, below the Program Files folder that the shell's own
// lookup names; empty otherwise. A fallback folder is no place for an administrator's program to
// trust, and neither is the uninstall entry's "InstallLocation", which is the user's to change.
std::string InstallFolderOf(const std::string& program);
// Whether program is the uninstaller in the install folder.
bool IsInstalledUninstaller(const std::string& program);

// What the install folder holds; what the shell lists in its plug-in folder.
inline std::string ShellFileIn(const std::string& folder) {
    return folder + contract::kShellFile;
}
inline std::string UninstallerFileIn(const std::string& folder) {
    return folder + contract::kUninstallerFile;
}
inline std::string ShellPluginFolderIn(const std::string& folder) {
    return folder + contract::kShellPluginFolder;
}
inline std::string ShellPluginFileIn(const std::string& folder) {
    using namespace contract;
    return ShellPluginFolderIn(folder) + kPluginBaseName + "." + kShellPluginExtension;
}
inline std::string ShellPluginPatternIn(const std::string& folder) {
    return ShellPluginFolderIn(folder) + "*." + contract::kShellPluginExtension;
}
inline std::string PresetsFolderIn(const std::string& folder) {
    return folder + contract::kPresetsFolder;
}
inline std::string PresetsFileIn(const std::string& folder) {
    return PresetsFolderIn(folder) + contract::kPresetsFile;
}

// The installer's own folder in a host's plug-in folder, and whether a folder is one.
inline std::string HostPluginFolderIn(const std::string& pluginFolder) {
    return pluginFolder + contract::kHostPluginSubfolder;
}
bool IsHostPluginFolder(const std::string& folder);
// The plug-in in a host's folder, which may lack its final separator as the user typed it.
std::string HostPluginFileIn(const std::string& folder);

// The shell's shortcuts: on the all-users desktop and in the all-users Start menu's programs.
std::string DesktopShortcut();
std::string StartMenuShortcut();

// The file-location records: one value per file, named after a location key, under the key of
// the component the file belongs to, below HKEY_CURRENT_USER.
std::string FilesKeyOf(std::string_view component);
// Writes one record, for path; true when written.
bool WriteFileLocationRecord(const std::string& path, std::string_view component,
                             std::string_view locationKey);
std::string RecordName(std::string_view locationKey);
// The location key of the earlier copies of a kind of host (the later copy keeps the kind's own
// key): "photoshop.1", "photoshop.2", ... in the order they were installed.
std::string EarlierCopyKey(std::string_view locationKey, std::size_t copy);
bool IsRecordName(std::string_view name);
// "photoshop" for "filelocation.photoshop" and for an earlier copy's "filelocation.photoshop.2".
std::string LocationKeyOf(std::string_view recordName);

// What the uninstaller does with a record. The records are in the user's own registry, so any
// program the user runs may have written them: a record is a claim, checked before anything is
// done with it.
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
RecordUse UseOf(std::string_view component, std::string_view recordName, const std::string& path,
                const std::string& installFolder);

// A host the search knows by a part of its plug-in folder's path, and its records' key.
struct KnownHost {
    const char* pathPart;  // lower case
    const char* displayName;
    const char* key;
};
// The first whose part the lower-cased path contains decides: "photoshop" anywhere in the path
// beats the rest, and "corel painter" must come before "corel".
inline constexpr KnownHost kKnownHosts[] = {
    {"photoshop", "Photoshop", "photoshop"},
    {"corel painter", "Corel Painter", "painter"},
    {"corel", "Corel Products", "corel"},
    {"paint shop pro", "Paint Shop Pro", "paintshoppro"},
};
// The name a known host goes by ("Photoshop" for "photoshop"); empty for any other key.
std::string KnownHostName(std::string_view key);
