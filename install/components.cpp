// install/components.cpp
#include "install/components.h"

#include "install/file_location_record.h"
#include "install/install_locations.h"
#include "install/payload_file.h"
#include "resources/install_contract.h"
#include "resources/resource.h"
#include "support/paths.h"

bool InstallPluginFile(const Text& directory, const Text& locationKey, const Text& extension,
                       FailedFileReport& report) {
    const Text folder(WithTrailingSeparator(directory.Bytes()));
    const Text target = folder + contract::kPluginBaseName + "." + extension.CStr();
    // A folder that cannot be made fails the file.
    const bool written =
        WritePayloadFile(target, IDR_PAYLOAD_PLUGIN, report, MissingFolders::Make);
    WriteFileLocationRecord(target, contract::kPluginComponent, locationKey);
    return written;
}

bool InstallPresetsFile(FailedFileReport& report) {
    const Text folder = InstallRoot() + contract::kPresetsFolder;
    return WritePayloadFile(folder + contract::kPresetsFile, IDR_PAYLOAD_PRESETS, report,
                            MissingFolders::Make);
}
