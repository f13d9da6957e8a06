// support/special_folder.cpp
#include "support/special_folder.h"

#include <initializer_list>
#include <string_view>

namespace {

FolderLookup replacedLookup = nullptr;

Text FirstFound(std::initializer_list<SpecialFolderId> folderIds, const char* fallback) {
    Text path;
    for (const SpecialFolderId folderId : folderIds) {
        if (SpecialFolder(folderId, path)) {
            return path;
        }
    }
    return Text(fallback);
}

}  // namespace

FolderLookup ReplaceFolderLookup(FolderLookup lookup) {
    const FolderLookup previous = replacedLookup != nullptr ? replacedLookup : ShellFolderLookup();
    replacedLookup = lookup;
    return previous;
}

bool SpecialFolder(SpecialFolderId folderId, Text& path) {
    const FolderLookup lookup = replacedLookup != nullptr ? replacedLookup : ShellFolderLookup();
    char found[kFolderPathBytes] = {};
    if (lookup == nullptr || !lookup(folderId, found)) {
        return false;
    }
    const std::string_view terminated(found, sizeof found);
    path = Text(terminated.substr(0, terminated.find('\0'))) + "\\";
    return true;
}

Text ProgramFilesFolder() {
    // The second lookup is the Start menu's Programs folder, not a Program Files folder; it is
    // what the installer has always used when the first lookup fails.
    return FirstFound({kFolderProgramFiles, kFolderPrograms}, "C:\\Program Files\\");
}

Text CommonDesktopFolder() {
    return FirstFound({kFolderCommonDesktopDirectory},
                      "C:\\Documents and Settings\\All Users\\Desktop\\");
}

Text CommonStartMenuFolder() {
    return FirstFound({kFolderCommonStartMenu},
                      "C:\\Documents and Settings\\All Users\\Start Menu\\");
}
