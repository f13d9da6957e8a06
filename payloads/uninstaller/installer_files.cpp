#include "payloads/uninstaller/installer_files.h"

#include "resources/install_contract.h"
#include "support/paths.h"
#include "support/special_folder.h"
#include "support/text.h"

std::string InstallFolderOf(const std::string& program) {
    // The shell's own lookup only: a fallback folder is no place to trust.
    Text programFiles;
    if (!SpecialFolder(kFolderProgramFiles, programFiles)) {
        return std::string();
    }
    const std::string expected = (programFiles + contract::kInstallFolder).Bytes();
    return EqualsNoCase(std::string_view(FolderOf(program)), expected) ? expected : std::string();
}

std::string ShellFileIn(const std::string& installFolder) {
    return installFolder + contract::kShellFile;
}

std::string ShellPluginFileIn(const std::string& installFolder) {
    using namespace contract;
    return installFolder + kShellPluginFolder + kPluginBaseName + "." + kShellPluginExtension;
}

std::string LocationKeyOf(const FileRecord& record) {
    const std::string key = record.name.substr(sizeof contract::kFileLocationPrefix - 1);
    return key.substr(0, key.find('.'));
}

RecordUse UseOf(const FileRecord& record, const std::string& installFolder) {
    using namespace contract;
    const std::string key = LocationKeyOf(record);
    const std::string plugin = std::string(kPluginBaseName) + ".";
    if (record.component == kShellComponent) {
        return key == kShellLocationKey &&
                       EqualsNoCase(std::string_view(record.path), ShellFileIn(installFolder))
                   ? RecordUse::Remove
                   : RecordUse::Ignore;
    }
    if (record.component != kPluginComponent) {
        return RecordUse::Ignore;
    }
    if (key == kShellLocationKey) {
        return EqualsNoCase(std::string_view(record.path), ShellPluginFileIn(installFolder))
                   ? RecordUse::Remove
                   : RecordUse::Ignore;
    }
    // A host's plug-in folder may be any folder the user chose; the name is ours alone. Whether
    // the folder is reached without a link on the way is the removal's to check. A network path
    // is not followed: an administrator's program would sign in to whatever server the record
    // names.
    const std::string folder = FolderOf(record.path);
    if (!IsFullDirectoryPath(folder) ||
        !EqualsNoCase(std::string_view(record.path).substr(folder.size()),
                      plugin + kHostPluginExtension)) {
        return RecordUse::Ignore;
    }
    return folder[1] == ':' ? RecordUse::Remove : RecordUse::Name;
}
