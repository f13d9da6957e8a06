// install/components.cpp
#include "install/components.h"

#include "install/payload_file.h"
#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "resources/resource.h"

bool InstallPluginFile(const Text& target, const Text& locationKey, FailedFileReport& report) {
    // A folder that cannot be made fails the file.
    const bool written = WritePayloadFile(target, IDR_PAYLOAD_PLUGIN, report, MissingFolders::Make);
    WriteFileLocationRecord(target.Bytes(), contract::kPluginComponent, locationKey.View());
    return written;
}

bool InstallPresetsFile(FailedFileReport& report) {
    return WritePayloadFile(Text(PresetsFileIn(InstallFolder())), IDR_PAYLOAD_PRESETS, report,
                            MissingFolders::Make);
}
