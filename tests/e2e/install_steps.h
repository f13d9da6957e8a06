// tests/e2e/install_steps.h
// What the install scenarios share: where a run writes, how to read it back, and the way from
// the first page to the summary.
#pragma once

#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <fstream>
#include <string>

#include "resources/install_contract.h"
#include "tests/e2e/wizard_steps.h"

namespace e2e {

inline const char kThankYou[] =
    "Thank you for installing Tarvelle.\n\nIf your host image application is running You may "
    "need to restart it in order for the installed plugins to function correctly.";
inline const std::string kFilesKey = std::string(contract::kFilesKey) + contract::kPluginComponent;
inline const std::string kShellKey = std::string(contract::kFilesKey) + contract::kShellComponent;
inline const char* const kUninstallKey = contract::kUninstallKey;
inline const char kRoot[] = "C:\\Program Files\\Tarvelle\\";

// Through the wide call, so that a name in any script can be read.
inline std::string FileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

inline std::string FileBytes(const std::string& path) {
    return FileBytes(Wide(path));
}

inline std::string Payload(const char* name) {
    return FileBytes(std::string(TVL_PAYLOAD_DIR "\\") + name);
}

inline std::string Folder(int id) {
    char path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, path, id, FALSE);
    return std::string(path) + "\\";
}

inline bool RegistryValue(const char* key, const char* name, DWORD& type, std::string& data) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (SHGetValueA(HKEY_CURRENT_USER, key, name, &type, buffer, &size) != ERROR_SUCCESS) {
        return false;
    }
    data.assign(buffer, size);
    return true;
}

inline std::string RegistryString(const std::string& key, const char* name) {
    DWORD type = 0;
    std::string data;
    if (!RegistryValue(key.c_str(), name, type, data) || type != REG_SZ || data.empty()) {
        return "<missing>";
    }
    return data.substr(0, data.size() - 1);
}

// Removes everything a run may have written, before and after each scenario.
class InstallScenario : public WizardScenario {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override {
        WizardScenario::TearDown();
        Forget();
    }
    static void Forget() {
        RemoveFromDriveC("Program Files/Tarvelle");
        DeleteFileA((Folder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Tarvelle Shell.lnk").c_str());
        DeleteFileA((Folder(CSIDL_COMMON_STARTMENU) + "Programs\\Tarvelle Shell.lnk").c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tarvelle");
        SHDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    }

    // From the start to the host selection page with both choices kept.
    HWND ReachSelection(std::chrono::milliseconds searchTimeout = kSearchTimeout) {
        return StartSearch() ? WaitForPageWithControl(*installer, IDC_HOST_LIST, searchTimeout)
                             : nullptr;
    }

    // From the start to the summary with both choices and every found host ticked.
    HWND ReachSummary() {
        HWND selection = ReachSelection();
        if (selection == nullptr || !Click(selection, IDOK)) {
            return nullptr;
        }
        return WaitForPageWithText(kSummaryStart);
    }
};

}  // namespace e2e
