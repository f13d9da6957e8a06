// install/shell_application.cpp
#include "app/build_constants.h"
#include "app/install_locations.h"
#include "app/installer_session.h"
#include "install/shortcut.h"
#include "resources/resource.h"
#include "support/files.h"
#include "support/registry_key.h"
#include "support/special_folder.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvelle";

void RegisterUninstaller(const Text& directory) {
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    key.Open(kUninstallKey, true);
    key.SetString("UninstallString", directory + "uninstall.exe");
    key.SetString("DisplayName", "Tarvelle Uninstall Manager");
    key.SetString("DisplayVersion", "1.0");
    key.SetString("Publisher", "Tarvelle");
    key.SetString("InstallLocation", directory);
    key.SetString("URLInfoAbout", kMakerWebAddress);
    key.SetDword("NoModify", 1);
    key.SetDword("NoRepair", 1);
}

}  // namespace

bool InstallerSession::InstallShellApplication() {
    const Text directory = InstallRoot();
    MakeDirectories(directory);
    const Text shell = directory + "TarvelleShell.exe";
    if (!ExtractPayload(shell, IDR_PAYLOAD_SHELL)) {
        return false;
    }
    RecordFileLocation(shell, "tarvelleshell", "tarvelleshell");
    if (!ExtractPayload(directory + "uninstall.exe", IDR_PAYLOAD_UNINSTALLER)) {
        return false;
    }
    // Shortcuts and the uninstall entry are conveniences: their failures are not reported.
    CreateShortcut(CommonDesktopFolder() + "Tarvelle Shell.lnk", "Tarvelle Shell Image Editor",
                   shell);
    CreateShortcut(CommonStartMenuFolder() + "Programs\\Tarvelle Shell.lnk", "Tarvelle Shell",
                   shell);
    RegisterUninstaller(directory);
    return true;
}
