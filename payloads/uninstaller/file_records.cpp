// payloads/uninstaller/file_records.cpp
#include "payloads/uninstaller/file_records.h"

#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "support/registry_key.h"

namespace {

constexpr RegistryRoot kUser = RegistryKey::kCurrentUser;

}  // namespace

std::vector<FileRecord> ReadFileRecords() {
    std::vector<FileRecord> records;
    for (const char* component : {contract::kPluginComponent, contract::kShellComponent}) {
        const RegistryKey key(kUser, Text(FilesKeyOf(component)), false);
        if (!key.IsOpen()) {
            continue;
        }
        for (const Text& name : key.ValueNames()) {
            Text path;
            if (IsRecordName(name.View()) && key.ReadString(name, path)) {
                records.push_back({component, name.Bytes(), path.Bytes()});
            }
        }
    }
    return records;
}

void DeleteFileRecord(const FileRecord& record) {
    RegistryKey key(kUser, Text(FilesKeyOf(record.component)), false);
    if (key.IsOpen()) {
        key.DeleteValue(Text(record.name));
    }
}

void DeleteProductKeys() {
    RegistryKey::DeleteTree(kUser, contract::kUninstallKey);
    for (const char* component : {contract::kPluginComponent, contract::kShellComponent}) {
        RegistryKey::DeleteIfEmpty(kUser, Text(FilesKeyOf(component)));
    }
    const Text files(contract::kFilesKey);
    RegistryKey::DeleteIfEmpty(kUser, files.Left(files.Length() - 1));
    RegistryKey::DeleteIfEmpty(kUser, contract::kProductKey);
}
