// payloads/uninstaller/self_deletion_win32.cpp
#include "payloads/uninstaller/self_deletion.h"

#include <windows.h>

#include "payloads/uninstaller/removal.h"
#include "resources/install_contract.h"

namespace {

// A kernel handle, closed when the object goes.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

void HandOverSelfDeletion(const std::string& installFolder) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string copy =
        std::string(temp) + "tarvelle-uninstall-" + std::to_string(GetCurrentProcessId()) + ".exe";
    if (!CopyFileA(OwnPath().c_str(), copy.c_str(), FALSE)) {
        MoveFileExA(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return;
    }
    // Without its final "\": before a closing quote it would escape the quote.
    const std::string folder = installFolder.substr(0, installFolder.find_last_not_of('\\') + 1);
    std::string commandLine =
        "\"" + copy + "\" /finish " + std::to_string(GetCurrentProcessId()) + " \"" + folder + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, temp,
                       &startup, &info)) {
        const OwnedHandle thread(info.hThread);
        const OwnedHandle process(info.hProcess);
    }
}

int FinishSelfDeletion(unsigned long processId, const std::string& folder) {
    const std::string installFolder = folder + "\\";
    {
        const OwnedHandle original(OpenProcess(SYNCHRONIZE, FALSE, processId));
        if (original.Get() != nullptr) {
            WaitForSingleObject(original.Get(), 30000);
        }
    }
    const std::string uninstaller = installFolder + contract::kUninstallerFile;
    for (int attempt = 0; attempt < 50 && !RemoveFileIfPresent(uninstaller); ++attempt) {
        Sleep(100);
    }
    RemoveFolderIfEmpty(installFolder);
    MoveFileExA(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}
