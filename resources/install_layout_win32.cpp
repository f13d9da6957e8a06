// resources/install_layout_win32.cpp
// The records live in the registry, which the portable build has not got.
#include "resources/install_layout.h"

#include "support/registry_key.h"
#include "support/text.h"

bool WriteFileLocationRecord(const std::string& path, std::string_view component,
                             std::string_view locationKey) {
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    return key.Open(Text(FilesKeyOf(component)), true) &&
           key.SetString(Text(RecordName(locationKey)), Text(path));
}
