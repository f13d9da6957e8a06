// payloads/uninstaller/removal_check_win32.cpp
#include "payloads/uninstaller/removal_check.h"

#include <windows.h>

#include <set>
#include <string>

#include "support/paths.h"

namespace {

bool IsDenied(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
}

bool IsBusy(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Opening with DELETE access asks both questions at once: may this user delete it, and does
// any program hold it without sharing deletion.
DWORD OpenForDeletion(const std::string& file) {
    HANDLE handle =
        CreateFileA(file.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    CloseHandle(handle);
    return ERROR_SUCCESS;
}

// As the installer's rights probe: a file made (and gone again when closed) in the folder. Made
// here rather than by GetTempFileNameA, which under Wine answers with a name even when it could
// not create the file.
DWORD ProbeFolder(const std::string& folder) {
    const std::string probe = folder + "tvl-uninstall-" + std::to_string(GetCurrentProcessId()) +
                              "-" + std::to_string(GetTickCount64()) + ".tmp";
    HANDLE handle = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    CloseHandle(handle);
    return ERROR_SUCCESS;
}

}  // namespace

RemovalObstacles FindRemovalObstacles(const std::vector<std::string>& files) {
    RemovalObstacles obstacles;
    std::set<std::string> folders;
    for (const std::string& file : files) {
        if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
            continue;  // already gone: nothing stands in the way
        }
        const DWORD error = OpenForDeletion(file);
        if (IsDenied(error)) {
            obstacles.needsAdministrator = true;
        } else if (IsBusy(error)) {
            obstacles.inUse.push_back(file);
        }
        folders.insert(FolderOf(file));
    }
    for (const std::string& folder : folders) {
        if (!folder.empty() && IsDenied(ProbeFolder(folder))) {
            obstacles.needsAdministrator = true;
        }
    }
    return obstacles;
}
