// support/special_folder_win32.cpp
#include <windows.h>

#include <shlobj.h>

#include "support/special_folder.h"
#include "support/wide_text.h"

namespace {

// In SpecialFolderId's order.
constexpr int kShellFolders[] = {CSIDL_PROGRAMS, CSIDL_COMMON_STARTMENU,
                                 CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_PROGRAM_FILES,
                                 CSIDL_PROGRAM_FILESX86};

// A folder whose name the code page cannot hold exactly counts as not found: its best-fit
// look-alike is another folder.
bool AskShell(SpecialFolderId folderId, char (&path)[kFolderPathBytes]) {
    wchar_t wide[MAX_PATH] = {};
    Text found;
    if (!SHGetSpecialFolderPathW(nullptr, wide, kShellFolders[folderId], FALSE) ||
        !TextFromWide(wide, found) || found.Length() >= sizeof path) {
        return false;
    }
    found.CopyTo(path, sizeof path);
    path[found.Length()] = '\0';
    return true;
}

}  // namespace

FolderLookup ShellFolderLookup() {
    return &AskShell;
}
