// install/uninstall_entry.cpp
#include "install/uninstall_entry.h"

#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "support/registry_key.h"

void RegisterUninstallEntry(const Text& directory) {
    using namespace contract;
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    key.Open(kUninstallKey, true);
    // Quoted: Windows runs the value as a command line, and an unquoted path with a space would
    // first be tried as "C:\Program.exe".
    key.SetString(kUninstallStringValue, Text("\"" + UninstallerFileIn(directory.Bytes()) + "\""));
    key.SetString(kDisplayNameValue, kUninstallerTitle);
    key.SetString(kDisplayVersionValue, kDisplayVersion);
    key.SetString(kPublisherValue, kPublisher);
    key.SetString(kInstallLocationValue, directory);
    key.SetString(kUrlInfoAboutValue, kMakerWebAddress);
    key.SetDword(kNoModifyValue, 1);
    key.SetDword(kNoRepairValue, 1);
    key.SetString(kDisplayIconValue, Text(ShellFileIn(directory.Bytes()) + ",0"));
}
