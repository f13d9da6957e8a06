// install/file_location_record.cpp
#include "install/file_location_record.h"

#include "resources/install_layout.h"
#include "support/registry_key.h"

bool WriteFileLocationRecord(const Text& path, const Text& component, const Text& locationKey) {
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    if (!key.Open(Text(FilesKeyOf(component.View())), true)) {
        return false;
    }
    return key.SetString(Text(RecordName(locationKey.View())), path);
}
