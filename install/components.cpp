// install/components.cpp
#include "app/install_locations.h"
#include "app/installer_session.h"
#include "resources/resource.h"
#include "support/files.h"
#include "support/registry_key.h"

namespace {

// A directory as the user confirmed it may lack its final separator; the file name must not be
// glued to the folder's name.
Text WithSeparator(const Text& directory) {
    if (directory.IsEmpty()) {
        return directory;
    }
    const char last = directory[directory.Length() - 1];
    return last == '\\' || last == '/' ? directory : directory + "\\";
}

}  // namespace

bool InstallerSession::InstallPlugin(const Text& directory, const Text& locationKey,
                                     const Text& extension) {
    const Text folder = WithSeparator(directory);
    MakeDirectories(folder);  // a directory that cannot be made fails in the extraction
    const Text target = folder + "Tarvelle_Pigmora_Demo." + extension.CStr();
    const bool written = ExtractPayload(target, IDR_PAYLOAD_PLUGIN);
    RecordFileLocation(target, "pigmorademo", locationKey);
    return written;
}

bool InstallerSession::InstallPresets() {
    const Text folder = InstallRoot() + "presets\\";
    MakeDirectories(folder);
    return ExtractPayload(folder + "PigmoraPresets.ini", IDR_PAYLOAD_PRESETS);
}

bool InstallerSession::RecordFileLocation(const Text& path, const Text& component,
                                          const Text& locationKey) {
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    if (!key.Open(Text("Software\\Tarvelle\\files\\") + component.CStr(), true)) {
        return false;
    }
    return key.SetString(Text("filelocation.") + locationKey.CStr(), path);
}
