// resources/install_layout.cpp
#include "resources/install_layout.h"

#include "support/paths.h"
#include "support/special_folder.h"
#include "support/text.h"

namespace {

// The later copy of a kind of host keeps the kind's key; each earlier one gets its place after
// this.
constexpr char kCopySeparator = '.';

}  // namespace

std::string InstallFolder() {
    return (ProgramFilesFolder() + contract::kInstallFolder).Bytes();
}

std::string DefaultPluginFolder() {
    return (ProgramFilesFolder() + contract::kDefaultPluginFolder).Bytes();
}

std::string RightsProbeFile() {
    // The folder ends with "\" already; the doubled separator is read as one.
    return (ProgramFilesFolder() + "\\_test.tmp").Bytes();
}

std::string InstallFolderOf(const std::string& program) {
    Text programFiles;
    if (!SpecialFolder(kFolderProgramFiles, programFiles)) {
        return std::string();
    }
    const std::string expected = (programFiles + contract::kInstallFolder).Bytes();
    return EqualsNoCase(std::string_view(FolderOf(program)), expected) ? expected : std::string();
}

bool IsInstalledUninstaller(const std::string& program) {
    const std::string installFolder = InstallFolderOf(program);
    return !installFolder.empty() &&
           EqualsNoCase(std::string_view(program), UninstallerFileIn(installFolder));
}

bool IsHostPluginFolder(const std::string& folder) {
    const std::string_view subfolder = contract::kHostPluginSubfolder;
    return folder.size() >= subfolder.size() &&
           EqualsNoCase(std::string_view(folder).substr(folder.size() - subfolder.size()),
                        subfolder);
}

std::string HostPluginFileIn(const std::string& folder) {
    using namespace contract;
    return WithTrailingSeparator(folder) + kPluginBaseName + "." + kHostPluginExtension;
}

std::string DesktopShortcut() {
    return (CommonDesktopFolder() + contract::kShortcutFile).Bytes();
}

std::string StartMenuShortcut() {
    using namespace contract;
    return (CommonStartMenuFolder() + kStartMenuProgramsFolder + kShortcutFile).Bytes();
}

std::string FilesKeyOf(std::string_view component) {
    return contract::kFilesKey + std::string(component);
}

std::string RecordName(std::string_view locationKey) {
    return contract::kFileLocationPrefix + std::string(locationKey);
}

std::string EarlierCopyKey(std::string_view locationKey, std::size_t copy) {
    return std::string(locationKey) + kCopySeparator + std::to_string(copy);
}

bool IsRecordName(std::string_view name) {
    return name.starts_with(contract::kFileLocationPrefix);
}

std::string LocationKeyOf(std::string_view recordName) {
    const std::string_view key = recordName.substr(sizeof contract::kFileLocationPrefix - 1);
    return std::string(key.substr(0, key.find(kCopySeparator)));
}

RecordUse UseOf(std::string_view component, std::string_view recordName, const std::string& path,
                const std::string& installFolder) {
    using namespace contract;
    const std::string key = LocationKeyOf(recordName);
    if (component == kShellComponent) {
        return key == kShellLocationKey &&
                       EqualsNoCase(std::string_view(path), ShellFileIn(installFolder))
                   ? RecordUse::Remove
                   : RecordUse::Ignore;
    }
    if (component != kPluginComponent) {
        return RecordUse::Ignore;
    }
    if (key == kShellLocationKey) {
        return EqualsNoCase(std::string_view(path), ShellPluginFileIn(installFolder))
                   ? RecordUse::Remove
                   : RecordUse::Ignore;
    }
    // A host's plug-in folder may be any folder the user chose; the name is ours alone. Whether
    // the folder is reached without a link on the way is the removal's to check. A network path
    // is not followed: an administrator's program would sign in to whatever server the record
    // names.
    const std::string folder = FolderOf(path);
    if (!IsFullDirectoryPath(folder) ||
        !EqualsNoCase(std::string_view(path), HostPluginFileIn(folder))) {
        return RecordUse::Ignore;
    }
    return folder[1] == ':' ? RecordUse::Remove : RecordUse::Name;
}

std::string KnownHostName(std::string_view key) {
    for (const KnownHost& host : kKnownHosts) {
        if (key == host.key) {
            return host.displayName;
        }
    }
    return std::string();
}
