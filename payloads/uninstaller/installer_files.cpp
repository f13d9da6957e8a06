#include "payloads/uninstaller/installer_files.h"

#include "resources/install_contract.h"
#include "support/paths.h"
#include "support/special_folder.h"
#include "support/text.h"

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
    Text left(a);
    Text right(b);
    return left.MakeLower() == right.MakeLower();
}

}  // namespace

std::string InstallFolderOf(const std::string& program) {
    // The shell's own lookup only: a fallback folder is no place to trust.
    Text programFiles;
    if (!SpecialFolder(kFolderProgramFiles, programFiles)) {
        return std::string();
    }
    const std::string expected = (programFiles + contract::kInstallFolder).Bytes();
    return SameNoCase(FolderOf(program), expected) ? expected : std::string();
}

bool IsInstallerFile(const FileRecord& record, const std::string& installFolder) {
    using namespace contract;
    const std::string key = record.name.substr(sizeof kFileLocationPrefix - 1);
    const std::string plugin = std::string(kPluginBaseName) + ".";
    if (record.component == kShellComponent) {
        return key == kShellLocationKey && SameNoCase(record.path, installFolder + kShellFile);
    }
    if (record.component != kPluginComponent) {
        return false;
    }
    if (key == kShellLocationKey) {
        return SameNoCase(record.path,
                          installFolder + kShellPluginFolder + plugin + kShellPluginExtension);
    }
    // A host's plug-in folder may be any folder the user chose on a drive of this computer; the
    // name is ours alone. Whether the folder is reached without a link on the way is the
    // removal's to check. A network path is not followed: an administrator's program would
    // sign in to whatever server the record names.
    const std::string folder = FolderOf(record.path);
    return IsFullDirectoryPath(folder) && folder[1] == ':' &&
           SameNoCase(record.path.substr(folder.size()), plugin + kHostPluginExtension);
}
