// install/shell_application.cpp
#include "install/shell_application.h"

#include "install/payload_file.h"
#include "install/shortcut.h"
#include "install/uninstall_entry.h"
#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "resources/resource.h"

bool InstallShellFiles(FailedFileReport& report) {
    using namespace contract;
    const std::string directory = InstallFolder();
    const Text shell(ShellFileIn(directory));
    if (!WritePayloadFile(shell, IDR_PAYLOAD_SHELL, report, MissingFolders::Make)) {
        return false;
    }
    WriteFileLocationRecord(shell.Bytes(), kShellComponent, kShellLocationKey);
    if (!WritePayloadFile(Text(UninstallerFileIn(directory)), IDR_PAYLOAD_UNINSTALLER, report)) {
        return false;
    }
    CreateShortcut(Text(DesktopShortcut()), kDesktopShortcutDescription, shell);
    CreateShortcut(Text(StartMenuShortcut()), kStartMenuShortcutDescription, shell);
    RegisterUninstallEntry(Text(directory));
    return true;
}
