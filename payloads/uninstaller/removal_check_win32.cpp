// payloads/uninstaller/removal_check_win32.cpp
#include "payloads/uninstaller/removal_check.h"

#include <windows.h>

#include <set>

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

// As the installer's rights probe: a file made and removed in the folder.
DWORD ProbeFolder(const std::string& folder) {
    char probe[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "tvl", 0, probe) == 0) {
        return GetLastError();
    }
    return DeleteFileA(probe) ? ERROR_SUCCESS : GetLastError();
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
