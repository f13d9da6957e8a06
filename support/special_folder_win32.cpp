// support/special_folder_win32.cpp
#include <windows.h>

#include <shlobj.h>

#include "support/special_folder.h"

namespace {

bool AskShell(int folderId, char (&path)[260]) {
    return SHGetSpecialFolderPathA(nullptr, path, folderId, FALSE) != FALSE;
}

}  // namespace

FolderLookup ShellFolderLookup() {
    return &AskShell;
}
