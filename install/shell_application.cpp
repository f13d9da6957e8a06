// install/shell_application.cpp
#include "install/shell_application.h"

#include "install/file_location_record.h"
#include "install/install_locations.h"
#include "install/payload_file.h"
#include "install/shortcut.h"
#include "install/uninstall_entry.h"
#include "resources/install_contract.h"
#include "resources/resource.h"
#include "support/special_folder.h"

bool InstallShellFiles(FailedFileReport& report) {
    using namespace contract;
    const Text directory = InstallRoot();
    const Text shell = directory + kShellFile;
    if (!WritePayloadFile(shell, IDR_PAYLOAD_SHELL, report, MissingFolders::Make)) {
        return false;
    }
    WriteFileLocationRecord(shell, kShellComponent, kShellLocationKey);
    if (!WritePayloadFile(directory + kUninstallerFile, IDR_PAYLOAD_UNINSTALLER, report)) {
        return false;
    }
    CreateShortcut(CommonDesktopFolder() + kShortcutFile, kDesktopShortcutDescription, shell);
    CreateShortcut(CommonStartMenuFolder() + kStartMenuProgramsFolder + kShortcutFile,
                   kStartMenuShortcutDescription, shell);
    RegisterUninstallEntry(directory);
    return true;
}
