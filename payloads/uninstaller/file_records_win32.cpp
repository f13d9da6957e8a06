// payloads/uninstaller/file_records_win32.cpp
#include "payloads/uninstaller/file_records.h"

#include <windows.h>

#include <shlwapi.h>

#include "resources/install_contract.h"

namespace {

// One open key below HKEY_CURRENT_USER, closed when the object goes.
class OpenKey {
public:
    explicit OpenKey(const std::string& path) {
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_SET_VALUE, &key_) !=
            ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::string ComponentKey(const std::string& component) {
    return contract::kFilesKey + component;
}

bool IsFileLocation(const char* name) {
    return std::string(name).rfind(contract::kFileLocationPrefix, 0) == 0;
}

}  // namespace

std::vector<FileRecord> ReadFileRecords() {
    std::vector<FileRecord> records;
    for (const char* component : {contract::kPluginComponent, contract::kShellComponent}) {
        const OpenKey key(ComponentKey(component));
        if (key.Get() == nullptr) {
            continue;
        }
        for (DWORD index = 0;; ++index) {
            char name[256] = {};
            char data[1024] = {};
            DWORD nameSize = sizeof name;
            DWORD dataSize = sizeof data - 1;
            DWORD type = 0;
            if (RegEnumValueA(key.Get(), index, name, &nameSize, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS) {
                break;
            }
            if (type == REG_SZ && IsFileLocation(name)) {
                records.push_back({component, name, data});
            }
        }
    }
    return records;
}

void DeleteFileRecord(const FileRecord& record) {
    const OpenKey key(ComponentKey(record.component));
    if (key.Get() != nullptr) {
        RegDeleteValueA(key.Get(), record.name.c_str());
    }
}

std::string InstallLocation() {
    char data[MAX_PATH] = {};
    DWORD size = sizeof data;
    if (SHGetValueA(HKEY_CURRENT_USER, contract::kUninstallKey, contract::kInstallLocationValue,
                    nullptr, data, &size) != ERROR_SUCCESS) {
        return std::string();
    }
    return data;
}

void DeleteProductKeys() {
    SHDeleteKeyA(HKEY_CURRENT_USER, contract::kProductKey);
    SHDeleteKeyA(HKEY_CURRENT_USER, contract::kUninstallKey);
}
