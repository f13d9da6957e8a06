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

// The whole content of an open file.
std::string ContentOf(HANDLE file) {
    std::string content;
    char buffer[65536];
    DWORD read = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    return content;
}

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
    const auto giveUp = [] {
        MoveFileExA(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    };
    if (!CopyFileA(OwnPath().c_str(), copy.c_str(), TRUE)) {
        giveUp();
        return;
    }
    // The temporary folder is the user's: from here until the copy has started, nobody may
    // write to it, and it must still be this program, or an elevated process would run
    // whatever another process of the user put there.
    const OwnedHandle held(CreateFileA(copy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const OwnedHandle own(CreateFileA(OwnPath().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (held.Get() == INVALID_HANDLE_VALUE || own.Get() == INVALID_HANDLE_VALUE ||
        ContentOf(held.Get()) != ContentOf(own.Get())) {
        giveUp();
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
