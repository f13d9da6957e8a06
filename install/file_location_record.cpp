// install/file_location_record.cpp
#include "install/file_location_record.h"

#include "resources/install_contract.h"
#include "support/registry_key.h"

bool WriteFileLocationRecord(const Text& path, const Text& component, const Text& locationKey) {
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    if (!key.Open(Text(contract::kFilesKey) + component.CStr(), true)) {
        return false;
    }
    return key.SetString(Text(contract::kFileLocationPrefix) + locationKey.CStr(), path);
}
