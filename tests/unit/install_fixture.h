// tests/unit/install_fixture.h
// A Program Files folder, desktop and Start menu of a test's own, and file helpers.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "support/special_folder.h"
#include "tests/unit/temp_tree.h"

namespace install_test {

inline std::string programFiles;
inline std::string desktop;
inline std::string startMenu;

inline bool TestFolders(SpecialFolderId folderId, char (&path)[kFolderPathBytes]) {
    const std::string* found = folderId == kFolderProgramFiles             ? &programFiles
                               : folderId == kFolderCommonDesktopDirectory ? &desktop
                               : folderId == kFolderCommonStartMenu        ? &startMenu
                                                                           : nullptr;
    if (found == nullptr) {
        return false;
    }
    std::strcpy(path, found->c_str());
    return true;
}

inline std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return bytes;
}

// Names in a folder other than "." and "..".
inline int EntryCount(const std::string& folder) {
    int count = 0;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return -1;
    }
    do {
        const std::string name = entry.cFileName;
        count += name != "." && name != "..";
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return count;
}

// Holds a file open without sharing writes, as a running host holds its plug-in.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }

private:
    HANDLE handle_;
};

// Replaces the shell folders with folders of a tree for the test's lifetime.
class TestFoldersScope {
public:
    explicit TestFoldersScope(TempTree& tree) {
        programFiles = tree.Make("Program Files");
        programFiles.pop_back();
        desktop = tree.Make("Desktop");
        desktop.pop_back();
        startMenu = tree.Make("Start Menu");
        startMenu.pop_back();
        tree.Make("Start Menu\\Programs");
        previous_ = ReplaceFolderLookup(&TestFolders);
    }
    ~TestFoldersScope() { ReplaceFolderLookup(previous_); }

private:
    FolderLookup previous_;
};

}  // namespace install_test
