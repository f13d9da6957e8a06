// payloads/uninstaller/removal_win32.cpp
#include "payloads/uninstaller/removal.h"

#include <windows.h>

#include <shlobj.h>

bool RemoveFileIfPresent(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    // Gone for certain: some file systems (Wine's, in a folder the user may not change) report a
    // deletion that did not happen.
    return DeleteFileA(path.c_str()) != FALSE &&
           GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

void RemoveFolderIfEmpty(const std::string& folder) {
    if (!folder.empty()) {
        RemoveDirectoryA(folder.c_str());
    }
}

std::string ShellFolder(int id) {
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, id, FALSE) ? std::string(path) + "\\" : "";
}
